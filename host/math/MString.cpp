#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iomanip>
#include <locale>
#include <ostream>
#include <sstream>

namespace {

// Appends one code point as UTF-8; values outside Unicode become U+FFFD.
void appendUtf8(std::string& out, unsigned long code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string fromWide(const wchar_t* text, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length; ++i)
        appendUtf8(out, static_cast<unsigned long>(text[i]));
    return out;
}

// The shortest %g text with at most maxDigits significant digits that reads
// back as the same value, so no precision is lost and no noise digits shown.
// %g-style text of value with the given significant digits, independent of
// the process locale.
std::string generalText(double value, int digits)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::setprecision(digits) << value;
    return out.str();
}

// The shortest %g text with at most maxDigits significant digits that reads
// back as the same value, so no precision is lost and no noise digits shown.
template <typename Real>
std::string shortestText(Real value, int maxDigits)
{
    for (int digits = 1; digits < maxDigits; ++digits) {
        const std::string text = generalText(value, digits);
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        double readBack = 0.0;
        in >> readBack;
        if (static_cast<Real>(readBack) == value)
            return text;
    }
    return generalText(value, maxDigits);
}

std::string doubleText(double value)
{
    return shortestText(value, 17);
}
std::string floatText(float value)
{
    return shortestText(value, 9);
}

// Reads a format token "^<n>s" at position pos; returns its length (0 if there
// is no token there) and its argument number.
std::size_t parseToken(const std::string& fmt, std::size_t pos, unsigned long& number)
{
    if (fmt[pos] != '^')
        return 0;
    std::size_t end = pos + 1;
    while (end < fmt.size() && fmt[end] >= '0' && fmt[end] <= '9')
        ++end;
    if (end == pos + 1 || end >= fmt.size() || fmt[end] != 's')
        return 0;
    number = std::strtoul(fmt.c_str() + pos + 1, nullptr, 10);
    return end + 1 - pos;
}

// Replaces the tokens of fmt by args[n - 1]; a null entry or a number out of
// range leaves the token in place and makes the result kInvalidParameter.
MStatus substituteTokens(const std::string& fmt, const MString* const* args, unsigned long count, std::string& out)
{
    MStatus status;
    out.clear();
    for (std::size_t pos = 0; pos < fmt.size();) {
        unsigned long number = 0;
        const std::size_t tokenLength = parseToken(fmt, pos, number);
        if (tokenLength == 0) {
            out += fmt[pos++];
            continue;
        }
        if (number >= 1 && number <= count && args[number - 1] != nullptr) {
            out += args[number - 1]->asChar();
        } else {
            out.append(fmt, pos, tokenLength);
            status = MStatus::kInvalidParameter;
        }
        pos += tokenLength;
    }
    return status;
}

} // namespace

const MString MString::argUnused;

MString::MString() = default;
MString::MString(const char* text) : m_text(text != nullptr ? text : "") {}

MString::MString(const char* text, int length)
{
    if (text != nullptr && length > 0)
        m_text.assign(text, static_cast<std::size_t>(length));
}

MString::MString(const wchar_t* text)
{
    if (text != nullptr)
        m_text = fromWide(text, std::wcslen(text));
}

MString::MString(const wchar_t* text, int length)
{
    if (text != nullptr && length > 0)
        m_text = fromWide(text, static_cast<std::size_t>(length));
}

MString::MString(const MString& other) = default;
MString::~MString() = default;

MString& MString::operator+=(const MString& other)
{
    m_text += other.m_text;
    return *this;
}

MString& MString::operator+=(const char* other)
{
    if (other != nullptr)
        m_text += other;
    return *this;
}

MString& MString::operator+=(double value)
{
    m_text += doubleText(value);
    return *this;
}

MString& MString::operator+=(int value)
{
    m_text += std::to_string(value);
    return *this;
}

MString& MString::operator+=(unsigned int value)
{
    m_text += std::to_string(value);
    return *this;
}

MString& MString::operator+=(float value)
{
    m_text += floatText(value);
    return *this;
}

MString& MString::operator=(const MString& other) = default;

MString& MString::operator=(const char* other)
{
    set(other);
    return *this;
}

MString& MString::operator=(double value)
{
    set(value);
    return *this;
}

bool MString::operator==(const MString& other) const
{
    return m_text == other.m_text;
}
bool MString::operator==(const char* other) const
{
    return m_text == (other != nullptr ? other : "");
}
bool MString::operator!=(const MString& other) const
{
    return !(*this == other);
}
bool MString::operator!=(const char* other) const
{
    return !(*this == other);
}

MString MString::operator+(const MString& other) const
{
    return MString(*this) += other;
}
MString MString::operator+(const char* other) const
{
    return MString(*this) += other;
}
MString MString::operator+(double value) const
{
    return MString(*this) += value;
}
MString operator+(const char* left, const MString& right)
{
    return MString(left) += right;
}

std::ostream& operator<<(std::ostream& out, const MString& text)
{
    return out << text.m_text;
}

const char* MString::asChar() const
{
    return m_text.c_str();
}

const char* MString::asChar(int& length) const
{
    length = static_cast<int>(m_text.size());
    return m_text.c_str();
}

const char* MString::asUTF8() const
{
    return m_text.c_str();
}
unsigned int MString::length() const
{
    return static_cast<unsigned int>(m_text.size());
}
void MString::clear()
{
    m_text.clear();
}

MStatus MString::set(const char* text)
{
    m_text = text != nullptr ? text : "";
    return MStatus::kSuccess;
}

MStatus MString::set(double value)
{
    m_text = doubleText(value);
    return MStatus::kSuccess;
}

MStatus MString::set(double value, int precision)
{
    if (precision < 0)
        return MStatus::kInvalidParameter;
    const int length = std::snprintf(nullptr, 0, "%.*f", precision, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(&text[0], text.size(), "%.*f", precision, value);
    text.pop_back();
    m_text = text;
    return MStatus::kSuccess;
}

MString MString::substring(int start, int end) const
{
    const int last = static_cast<int>(m_text.size()) - 1;
    if (start < 0)
        start = 0;
    if (end > last)
        end = last;
    if (start > end)
        return MString();
    return MString(m_text.c_str() + start, end - start + 1);
}

MStatus MString::format(const MString& fmt, const MStringArray& args)
{
    std::vector<const MString*> pointers;
    for (unsigned int i = 0; i < args.length(); ++i)
        pointers.push_back(&args[i]);
    std::string out;
    const MStatus status = substituteTokens(fmt.m_text, pointers.data(), pointers.size(), out);
    m_text = out;
    return status;
}

MStatus MString::format(const MString& fmt, const MString& arg1, const MString& arg2, const MString& arg3,
                        const MString& arg4, const MString& arg5, const MString& arg6, const MString& arg7,
                        const MString& arg8, const MString& arg9, const MString& arg10)
{
    const MString* given[] = {&arg1, &arg2, &arg3, &arg4, &arg5, &arg6, &arg7, &arg8, &arg9, &arg10};
    for (const MString*& arg : given) {
        if (arg == &argUnused)
            arg = nullptr;
    }
    std::string out;
    const MStatus status = substituteTokens(fmt.m_text, given, 10, out);
    m_text = out;
    return status;
}

MStatus MString::substitute(const MString& src, const MString& target)
{
    if (src.m_text.empty())
        return MStatus::kInvalidParameter;
    std::string out;
    std::size_t pos = 0;
    for (std::size_t found; (found = m_text.find(src.m_text, pos)) != std::string::npos;
         pos = found + src.m_text.size()) {
        out.append(m_text, pos, found - pos);
        out += target.m_text;
    }
    out.append(m_text, pos, std::string::npos);
    m_text = out;
    return MStatus::kSuccess;
}
