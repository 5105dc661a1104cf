// Office's checks of a customUI in the model ribbon host: each kind of
// fault it must catch, and a document without any passing.
#include <gtest/gtest.h>

#include <string>

#include "model/office/RibbonXml.h"

namespace {

const std::wstring kOpen =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\">";

// A group on the Home tab holding `controls`, and a contact's context menu
// holding `menu`.
std::wstring Document(const std::wstring& controls, const std::wstring& menu = L"") {
    return kOpen + L"<ribbon><tabs><tab idMso=\"TabMail\"><group id=\"g\" label=\"G\">" + controls +
           L"</group></tab></tabs></ribbon><contextMenus><contextMenu " +
           L"idMso=\"ContextMenuContactItem\">" + menu +
           L"</contextMenu></contextMenus></customUI>";
}

TEST(RibbonXml, EachFaultOfficeRefusesIsFound) {
    const struct {
        const char* name;
        std::wstring xml;
        const char* problem;  // a part of the one problem found; null: none
    } cases[] = {
        {"a sound document",
         Document(L"<button id=\"b\" onAction=\"Known\"/>",
                  L"<menuSeparator id=\"s\"/><button id=\"e\" getLabel=\"Known\"/>"),
         nullptr},
        {"a closing tag that does not match", Document(L"<menu id=\"m\"></group>"),
         "not well-formed"},
        {"an element left open", kOpen + L"<ribbon>", "not well-formed"},
        {"two roots", Document(L"") + L"<customUI/>", "2 root elements"},
        {"another root", L"<ribbon/>", "not <customUI>"},
        {"the 2006 namespace",
         L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"/>",
         "namespace"},
        {"an id twice", Document(L"<button id=\"b\"/>", L"<button id=\"b\"/>"),
         "the id b is used more than once"},
        {"a callback the add-in does not answer",
         Document(L"<button id=\"b\" onAction=\"Unknown\"/>"),
         "the callback Unknown (onAction) is not answered"},
        {"a combo box in a context menu", Document(L"", L"<comboBox id=\"c\"/>"),
         "<comboBox> is not allowed in <contextMenu>"},
        {"a button straight on a tab",
         kOpen + L"<ribbon><tabs><tab idMso=\"TabMail\"><button id=\"b\"/>"
                 L"</tab></tabs></ribbon></customUI>",
         "<button> is not allowed in <tab>"},
        {"both id and idMso", Document(L"<button id=\"b\" idMso=\"Copy\"/>"), "has 2 of id"},
        {"an attribute twice", Document(L"<button id=\"b\" label=\"x\" label=\"y\"/>"),
         "the attribute label twice"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        const model::RibbonDocument read =
            model::ReadRibbon(each.xml, [](const std::wstring& name) { return name == L"Known"; });
        if (!each.problem) {
            EXPECT_TRUE(read.problems.empty()) << read.problems.front();
            continue;
        }
        ASSERT_EQ(1u, read.problems.size()) << (read.problems.empty() ? "" : read.problems[1]);
        EXPECT_NE(std::string::npos, read.problems[0].find(each.problem)) << read.problems[0];
    }
}

}  // namespace
