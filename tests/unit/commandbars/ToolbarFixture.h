// The add-in's command bars in a model Outlook window: a toolbar and a
// context menu over the model command bars, the model Skype attached (or
// not), and what a person would see of them.
#pragma once

#include <string>

#include "ButtonFixture.h"
#include "commandbars/ContextMenu.h"
#include "commandbars/Toolbar.h"
#include "model/office/ModelCommandBarText.h"
#include "model/outlook/ModelExplorer.h"
#include "model/outlook/ModelOutlook.h"

namespace commandbars_test {

// `text` without any `part`.
inline std::string Without(std::string text, const std::string& part) {
    for (std::size_t at; (at = text.find(part)) != std::string::npos;) text.erase(at, part.size());
    return text;
}

class ToolbarFixture : public ButtonFixture {
  protected:
    ToolbarFixture() { bars->Remove(bar.get()); }  // no bar of ours until one is loaded

    // The client, shared as the add-in shares it; the fixture owns it.
    boost::shared_ptr<CSkype> Shared() {
        if (!client) Attach();
        return boost::shared_ptr<CSkype>(client.get(), [](CSkype*) {});
    }
    CContactPtr Contact(const std::wstring& name, const std::wstring& skypeName,
                        std::vector<CContact::Telephone> telephones = {}) {
        CContact::Fields fields;
        fields.name = fields.fullName = name;
        fields.lastName = name.substr(name.rfind(L' ') + 1);
        fields.skypeName = skypeName;
        fields.telephones = std::move(telephones);
        return CContactPtr(new CContact(fields));
    }
    // The loaded toolbar's bar as the user sees it; "(none)" without one.
    std::string Shown(const std::wstring& name = CToolbar::kBarName) const {
        const model::ModelCommandBarPtr found = bars->FindBar(name);
        return found ? model::DescribeBar(*found) : "(none)";
    }
    // The control at `position` seen as a combo box (null for another kind).
    model::ModelCommandBarComboBoxPtr Combo(int position) const {
        return boost::dynamic_pointer_cast<model::ModelCommandBarComboBox>(
            bars->FindBar(CToolbar::kBarName)->controls()->controls().at(position - 1));
    }
    model::ModelCommandBarButtonPtr ButtonAt(const model::ModelCommandBarPtr& on,
                                             int position) const {
        return boost::dynamic_pointer_cast<model::ModelCommandBarButton>(
            on->controls()->controls().at(position - 1));
    }

    model::ModelOutlook outlook;
};

}  // namespace commandbars_test
