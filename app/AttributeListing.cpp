#include "AttributeListing.h"

#include "DeformerAttributes.h"
#include "ValueText.h"

#include "graph/Attribute.h"
#include "graph/NodeType.h"

#include <iomanip>
#include <sstream>
#include <string>

namespace kavo::app {

using host::graph::Attribute;

namespace {

std::string defaultText(const Attribute& attribute)
{
    if (DeformerAttributes::isTriple(attribute)) {
        std::string text;
        for (const auto& child : attribute.children)
            text += (text.empty() ? "" : ",") + ValueText::of(child->defaultValue);
        return text;
    }
    if (attribute.kind == host::graph::AttributeKind::Enum) {
        const short value = static_cast<short>(host::graph::numericValue(attribute.defaultValue));
        const std::string* label = attribute.enumLabel(value);
        return label ? *label : std::to_string(value);
    }
    return ValueText::of(attribute.defaultValue);
}

std::string limitText(const std::optional<double>& limit, const Attribute& attribute)
{
    return limit ? ValueText::limit(*limit, attribute.defaultValue) : "-";
}

std::string notes(const Attribute& attribute)
{
    std::string text;
    for (const auto& [value, label] : attribute.enumFields)
        text += (text.empty() ? "" : ", ") + std::to_string(value) + " " + label;
    return text;
}

} // namespace

void AttributeListing::print(const host::graph::NodeType& deformerType, std::ostream& out)
{
    const auto row = [&out](const std::string& longName, const std::string& shortName, const std::string& kind,
                            const std::string& fallback, const std::string& minimum, const std::string& maximum,
                            const std::string& values) {
        std::ostringstream line;
        line << std::left << std::setw(17) << longName << ' ' << std::setw(6) << shortName << ' ' << std::setw(8)
             << kind << ' ' << std::setw(9) << fallback << ' ' << std::setw(7) << minimum << ' ' << std::setw(7)
             << maximum << ' ' << values;
        std::string text = line.str();
        out << text.erase(text.find_last_not_of(' ') + 1) << '\n';
    };
    row("long name", "short", "kind", "default", "min", "max", "values");
    const DeformerAttributes attributes(deformerType);
    for (const Attribute* attribute : attributes.all())
        row(attribute->longName, attribute->shortName, DeformerAttributes::kindText(*attribute),
            defaultText(*attribute), limitText(attribute->minimum, *attribute),
            limitText(attribute->maximum, *attribute), notes(*attribute));
}

} // namespace kavo::app
