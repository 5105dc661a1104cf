// Office's reading of an add-in's customUI XML, in the model: the document
// as a tree of elements, and the checks Office makes before it shows
// anything of it. A document with problems is not shown (Office would
// report them as add-in user interface errors and leave the add-in's
// customizations out).
//
// Checked: the XML is well-formed (one root, closing tags matching, no
// attribute twice); the root is customUI in the namespace of Office 2010
// and later; each element stands where the schema allows it (a context
// menu takes buttons, check boxes, galleries, toggle and split buttons,
// menus, dynamic menus, menu separators and cloned controls, never a combo
// or edit box); each control has exactly one of id, idQ and idMso; no id is
// used twice; every callback the document names (onLoad, loadImage, on...,
// get...) is a name the add-in's GetIDsOfNames answers.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace model {

struct RibbonNode {
    std::string element;
    std::map<std::string, std::wstring> attributes;
    std::vector<RibbonNode> children;

    bool Has(const std::string& name) const { return attributes.count(name) != 0; }
    // The attribute's text; empty when absent.
    std::wstring Attribute(const std::string& name) const;
};

struct RibbonDocument {
    RibbonNode root;
    // Each in words, empty when Office would show the document.
    std::vector<std::string> problems;
};

// Whether the add-in answers a callback name (its GetIDsOfNames).
typedef std::function<bool(const std::wstring& name)> CallbackAnswered;

RibbonDocument ReadRibbon(const std::wstring& xml, const CallbackAnswered& answered);

// Whether an attribute names a callback.
bool IsCallbackAttribute(const std::string& attribute);

}  // namespace model
