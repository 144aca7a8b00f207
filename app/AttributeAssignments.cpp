#include "AttributeAssignments.h"

#include "AppError.h"
#include "NumberText.h"
#include "ValueText.h"

#include "graph/Node.h"
#include "graph/Scene.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>
#include <limits>

namespace kavo::app {

using host::graph::Attribute;
using host::graph::AttributeKind;
using host::graph::PlugPath;
using host::graph::Scene;
using host::graph::Value;

namespace {

std::string lowercase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

AppError badValue(const Attribute& attribute, const std::string& text, const std::string& expected)
{
    return AppError::usage("bad value \"" + text + "\" for " + attribute.longName + ": expected " + expected);
}

std::optional<bool> parseBoolean(const std::string& text)
{
    const std::string word = lowercase(text);
    if (word == "on" || word == "true" || word == "1")
        return true;
    if (word == "off" || word == "false" || word == "0")
        return false;
    return std::nullopt;
}

std::string enumChoices(const Attribute& attribute)
{
    std::string text;
    for (const auto& [value, label] : attribute.enumFields)
        text += (text.empty() ? "" : ", ") + label + " (" + std::to_string(value) + ")";
    return text;
}

void warnClamped(const Attribute& attribute, const std::string& given, bool above, const std::string& used)
{
    std::cerr << "kavo-deform: warning: " << attribute.longName << " = " << given << " is "
              << (above ? "above its maximum" : "below its minimum") << "; using " << used << "\n";
}

// The number as the attribute's own type. One beyond what the type holds is
// clamped like any other value past a limit when the attribute has that
// limit, and refused otherwise; `named` is the attribute the user named (the
// parent of a colour's channel).
Value quantity(const Attribute& attribute, double number, const std::string& text, const Attribute& named)
{
    const double largest = attribute.numericType == MFnNumericData::kFloat ? std::numeric_limits<float>::max()
                                                                           : std::numeric_limits<double>::max();
    if (std::abs(number) <= largest)
        return host::graph::withNumericValue(attribute.defaultValue, number);
    const std::optional<double> limit = number > 0 ? attribute.maximum : attribute.minimum;
    if (!limit) {
        const std::string largestText = attribute.numericType == MFnNumericData::kFloat
                                            ? NumberText::exact(static_cast<float>(largest))
                                            : NumberText::exact(largest);
        throw badValue(named, text, "a number from -" + largestText + " to " + largestText);
    }
    const Value clamped = host::graph::withNumericValue(attribute.defaultValue, *limit);
    warnClamped(attribute, NumberText::exact(number), number > 0, ValueText::of(clamped));
    return clamped;
}

// An integer attribute takes whole numbers only.
Value parseQuantity(const Attribute& attribute, const std::string& text)
{
    if (DeformerAttributes::holdsWholeNumbers(attribute)) {
        const std::optional<long long> number = NumberText::integer(text);
        if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
            throw badValue(attribute, text,
                           "a whole number from " + std::to_string(std::numeric_limits<int>::min()) + " to " +
                               std::to_string(std::numeric_limits<int>::max()));
        return host::graph::withNumericValue(attribute.defaultValue, static_cast<double>(*number));
    }
    const std::optional<double> number = NumberText::real(text);
    if (!number)
        throw badValue(attribute, text, "a number");
    return quantity(attribute, *number, text, attribute);
}

std::optional<short> parseEnum(const Attribute& attribute, const std::string& text)
{
    for (const auto& [value, label] : attribute.enumFields)
        if (lowercase(label) == lowercase(text))
            return value;
    const std::optional<long long> number = NumberText::integer(text);
    if (number && *number >= std::numeric_limits<short>::min() && *number <= std::numeric_limits<short>::max() &&
        attribute.enumLabel(static_cast<short>(*number)))
        return static_cast<short>(*number);
    return std::nullopt;
}

} // namespace

AttributeAssignments::AttributeAssignments(host::graph::Node& deformer)
    : m_deformer(deformer)
    , m_attributes(deformer.type())
{
}

void AttributeAssignments::apply(const std::string& assignment)
{
    const size_t equals = assignment.find('=');
    const std::string name = trimmed(assignment.substr(0, equals));
    if (equals == std::string::npos || name.empty())
        throw AppError::usage("\"" + assignment + "\" is not NAME=VALUE");
    const std::string text = trimmed(assignment.substr(equals + 1));
    const Attribute* attribute = m_attributes.find(name);
    if (!attribute)
        throw AppError::usage("unknown attribute \"" + name +
                              "\"; the deformer's attributes are: " + m_attributes.namesText());
    refuseIfDriven(*attribute);
    if (DeformerAttributes::isTriple(*attribute))
        applyTriple(*attribute, text);
    else
        store(*attribute, parseValue(*attribute, text));
}

void AttributeAssignments::refuseIfDriven(const Attribute& attribute) const
{
    const std::vector<host::graph::Connection> feeds = Scene::instance().incoming(m_deformer, PlugPath{&attribute, {}});
    if (attribute.kind == AttributeKind::Unit && attribute.unitType == MFnUnitAttribute::kTime)
        throw AppError::usage(attribute.longName + " follows the scene time: choose frames with --frame or --frames");
    if (attribute.kind == AttributeKind::Matrix)
        throw AppError::usage(attribute.longName +
                              " follows the noise handle: place it with --handle-translate, --handle-rotate and "
                              "--handle-scale");
    if (!feeds.empty())
        throw AppError::usage(attribute.longName + " is driven by " + feeds.front().source->name() +
                              " and cannot be set as well");
}

Value AttributeAssignments::parseValue(const Attribute& attribute, const std::string& text) const
{
    if (attribute.kind == AttributeKind::Enum) {
        const std::optional<short> value = parseEnum(attribute, text);
        if (!value)
            throw badValue(attribute, text, "one of " + enumChoices(attribute));
        return *value;
    }
    if (attribute.kind != AttributeKind::Numeric)
        throw AppError::usage(attribute.longName + " cannot be set from the command line");
    if (attribute.numericType == MFnNumericData::kBoolean) {
        const std::optional<bool> value = parseBoolean(text);
        if (!value)
            throw badValue(attribute, text, "on, off, true, false, 1 or 0");
        return *value;
    }
    return parseQuantity(attribute, text);
}

void AttributeAssignments::applyTriple(const Attribute& attribute, const std::string& text)
{
    const std::optional<std::array<double, 3>> values = NumberText::triple(text);
    if (!values)
        throw badValue(attribute, text, "three numbers R,G,B");
    for (size_t k = 0; k < 3; ++k)
        store(*attribute.children[k], quantity(*attribute.children[k], (*values)[k], text, attribute));
}

void AttributeAssignments::store(const Attribute& attribute, const Value& value)
{
    const Value clamped = attribute.clamped(value);
    if (host::graph::numericValue(clamped) != host::graph::numericValue(value))
        warnClamped(attribute, ValueText::of(value),
                    host::graph::numericValue(value) > host::graph::numericValue(clamped), ValueText::of(clamped));
    const MStatus status = Scene::instance().setValue(m_deformer, PlugPath{&attribute, {}}, value);
    if (!status)
        throw AppError::usage("the host refused the value for " + attribute.longName);
}

} // namespace kavo::app
