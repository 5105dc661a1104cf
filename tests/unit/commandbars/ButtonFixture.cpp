#include "ButtonFixture.h"

#include <sstream>

namespace commandbars_test {

ButtonFixture::ButtonFixture()
    : bars(model::ModelCommandBars::Create(&log)),
      bar(bars->AddBar(L"tandrel", office::bar_position::kTop)) {}

office::CommandBarControls ButtonFixture::Controls() const {
    return office::CommandBarControls(bar->controls());
}

model::ModelCommandBarButtonPtr ButtonFixture::ModelButton(const CButton& button) {
    return boost::dynamic_pointer_cast<model::ModelCommandBarButton>(button.GetControl().object());
}

std::vector<std::string> ButtonFixture::Calls() const {
    std::vector<std::string> calls;
    for (const model::CallRecord& record : log.records()) {
        std::ostringstream line;
        line << model::KindName(record.kind) << " " << record.member;
        for (const host::Variant& arg : record.args) line << " " << arg.Describe();
        calls.push_back(line.str());
    }
    return calls;
}

boost::shared_ptr<CSkype> ButtonFixture::SharedSkype() {
    if (!client) Attach();
    return boost::shared_ptr<CSkype>(client.get(), [](CSkype*) {});
}

}  // namespace commandbars_test
