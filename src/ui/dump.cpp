#include "ui/dump.h"

#include <cstdio>

#include "text/text.h"
#include "ui/controls.h"

namespace ui {
namespace {

std::string JsonValue(const PropertyValue& value) {
  if (const auto* s = std::get_if<std::string>(&value)) return JsonString(ShownText(*s));
  return ToText(value);
}

std::string PropertiesJson(const Control& control) {
  std::string out = "{";
  for (const auto& [name, value] : control.Properties()) {
    if (name == "Name" || name == "Kind") continue;  // already the entry's own fields
    if (out.size() > 1) out += ", ";
    out += JsonString(name) + ": " + JsonValue(value);
  }
  return out + "}";
}

const ItemList* Items(const Control& control) {
  if (const auto* list = dynamic_cast<const ListBox*>(&control)) return list;
  if (const auto* combo = dynamic_cast<const ComboBox*>(&control)) return combo;
  return nullptr;
}

std::string ControlJson(const Control& control) {
  std::string out = "{\"name\": " + JsonString(control.Name()) +
                    ", \"kind\": " + JsonString(KindName(control.kind())) +
                    ", \"properties\": " + PropertiesJson(control);
  if (const ItemList* list = Items(control)) {
    out += ", \"items\": [";
    for (int i = 0; i < list->ListCount(); ++i)
      out += (i ? ", " : "") + JsonString(ShownText(list->List(i)));
    PropertyValue index;
    control.GetProperty("ListIndex", index);
    out += "], \"selection\": " + ToText(index);
  }
  return out + "}";
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (int cp : ::text::CodePoints(text)) {
    if (cp == '"' || cp == '\\') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", cp);
      out += escaped;
    } else {
      out += ::text::EncodeUtf8(cp);
    }
  }
  return out + "\"";
}

std::string DumpJson(const Form& form) {
  const Control* focus = Control::Focused();
  const bool here = focus && (focus == &form || focus->form() == &form);
  std::string out = "{\n  \"window\": " + JsonString(form.Name()) +
                    ",\n  \"focus\": " + (here ? JsonString(focus->Name()) : std::string("null")) +
                    ",\n  \"controls\": [\n    " + ControlJson(form);
  for (const Control* control : form.Controls()) out += ",\n    " + ControlJson(*control);
  return out + "\n  ]\n}\n";
}

}  // namespace ui
