#include "commandbars/Toolbar.h"

#include "skype/Skype.h"
#include "util/Trace.h"

CToolbar::CToolbar(const outlook::Application& application, const boost::shared_ptr<CSkype>& skype)
    : application_(application),
      skype_(skype),
      callButton_(skype),
      chatButton_(skype),
      skypeOutButton_(skype) {}

void CToolbar::Load(const office::CommandBars&, bool) { TANDREL_TRACE("CToolbar::Load"); }

void CToolbar::Unload(bool) { TANDREL_TRACE("CToolbar::Unload"); }

void CToolbar::Show(bool visible) {
    if (bar_) {
        bar_.SetVisible(visible);
    }
}

void CToolbar::ItemChange() { TANDREL_TRACE("CToolbar::ItemChange"); }

void CToolbar::ItemChange(const CContactPtr&) { TANDREL_TRACE("CToolbar::ItemChange"); }

void CToolbar::ItemChange(const CMailPtr&) { TANDREL_TRACE("CToolbar::ItemChange"); }

void CToolbar::ItemChange(const std::vector<CContactPtr>&) {
    TANDREL_TRACE("CToolbar::ItemChange");
}
