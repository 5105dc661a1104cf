#include "model/office/ModelCommandBarText.h"

#include <cstdio>
#include <sstream>

#include "model/ModelPictures.h"
#include "office/OfficeIds.h"

namespace model {

namespace {

constexpr std::size_t kUniqueIdLength = 32;

}  // namespace

std::string QuotedText(const std::wstring& text) {
    std::string out = "\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[24];
            std::snprintf(escaped, sizeof escaped, "\\u{%X}", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + "\"";
}

namespace {

bool EndsInUniqueId(const std::wstring& tag) {
    if (tag.size() < kUniqueIdLength) {
        return false;
    }
    for (std::size_t i = tag.size() - kUniqueIdLength; i < tag.size(); ++i) {
        const wchar_t c = tag[i];
        if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'))) {
            return false;
        }
    }
    return true;
}

std::string TagText(const std::wstring& tag) {
    if (EndsInUniqueId(tag)) {
        return QuotedText(tag.substr(0, tag.size() - kUniqueIdLength)) + "+id";
    }
    return QuotedText(tag);
}

std::int32_t Number(const ModelCommandBarControl& control, const char* property) {
    std::int32_t value = 0;
    control.Read(property).ToInt32(&value);
    return value;
}

const char* ButtonStyle(std::int32_t style) {
    switch (style) {
        case office::button_style::kIcon:
            return "icon";
        case office::button_style::kCaption:
            return "caption";
        case office::button_style::kIconAndCaption:
            return "icon+caption";
        default:
            return "automatic";
    }
}

void DescribeButton(const ModelCommandBarButton& button, std::ostringstream& line) {
    line << " " << ButtonStyle(Number(button, "Style"));
    if (const std::int32_t face = Number(button, "FaceId")) {
        line << " face " << face;
    }
    if (button.picture()) {
        line << " picture " << PictureResourceId(button.picture());
    }
    if (button.mask()) {
        line << " mask " << PictureResourceId(button.mask());
    }
}

void DescribeCombo(const ModelCommandBarComboBox& combo, std::ostringstream& line) {
    line << " width " << Number(combo, "Width");
    if (Number(combo, "Style") == office::combo_style::kLabel) {
        line << " label";
    }
    line << " text " << QuotedText(combo.text());
    if (combo.listIndex() > 0) {
        line << " index " << combo.listIndex();
    }
    line << " list [";
    const char* separator = "";
    for (const std::wstring& entry : combo.list()) {
        line << separator << QuotedText(entry);
        separator = ", ";
    }
    line << "]";
}

const char* KindName(int type) {
    switch (type) {
        case office::control_type::kButton:
            return "button";
        case office::control_type::kPopup:
            return "popup";
        case office::control_type::kEdit:
            return "edit";
        case office::control_type::kDropdown:
            return "dropdown";
        default:
            return "combo";
    }
}

}  // namespace

std::string DescribeControl(const ModelCommandBarControl& control) {
    std::ostringstream line;
    line << KindName(control.type());
    if (!control.caption().empty()) {
        line << " " << QuotedText(control.caption());
    }
    if (control.type() == office::control_type::kButton) {
        DescribeButton(static_cast<const ModelCommandBarButton&>(control), line);
    } else if (control.type() != office::control_type::kPopup) {
        DescribeCombo(static_cast<const ModelCommandBarComboBox&>(control), line);
    }
    if (control.beginGroup()) line << " group";
    if (!control.enabled()) line << " disabled";
    if (!control.visible()) line << " hidden";
    if (!control.tag().empty()) line << " tag " << TagText(control.tag());
    if (!control.tooltipText().empty()) line << " tooltip " << QuotedText(control.tooltipText());
    return line.str();
}

std::string DescribeControls(const ModelCommandBarControls& controls, const std::string& prefix) {
    std::string text;
    const std::string indent(prefix.empty() ? 0 : 2, ' ');
    int number = 0;
    for (const ModelCommandBarControlPtr& control : controls.controls()) {
        const std::string label = prefix + std::to_string(++number);
        text += indent + label + " " + DescribeControl(*control) + "\n";
        if (control->type() == office::control_type::kPopup) {
            text += DescribeControls(*static_cast<const ModelCommandBarPopup&>(*control).controls(),
                                     label + ".");
        }
    }
    return text;
}

std::string DescribeBar(const ModelCommandBar& bar) {
    std::ostringstream line;
    std::int32_t position = 0;
    bar.Read("Position").ToInt32(&position);
    std::int32_t protection = 0;
    bar.Read("Protection").ToInt32(&protection);
    line << "bar " << QuotedText(bar.name()) << " position " << position;
    line << (bar.Read("Visible").boolValue() ? " visible" : " hidden");
    if (!bar.Read("Enabled").boolValue()) line << " disabled";
    if (protection != 0) line << " protection " << protection;
    return line.str() + "\n" + DescribeControls(*bar.controls());
}

}  // namespace model
