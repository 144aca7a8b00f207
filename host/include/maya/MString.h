#pragma once

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>
#include <string>

class MStringArray;

// A text value, held as UTF-8.
class OPENMAYA_EXPORT MString
{
public:
    MString();
    MString(const char* text);
    MString(const char* text, int length);
    MString(const wchar_t* text);
    MString(const wchar_t* text, int length);
    MString(const MString& other);
    ~MString();

    MString& operator+=(const MString& other);
    MString& operator+=(const char* other);
    MString& operator+=(double value);
    MString& operator+=(int value);
    MString& operator+=(unsigned int value);
    MString& operator+=(float value);

    MString& operator=(const MString& other);
    MString& operator=(const char* other);
    MString& operator=(double value);

    bool operator==(const MString& other) const;
    bool operator==(const char* other) const;
    bool operator!=(const MString& other) const;
    bool operator!=(const char* other) const;

    MString operator+(const MString& other) const;
    MString operator+(const char* other) const;
    MString operator+(double value) const;
    friend OPENMAYA_EXPORT MString operator+(const char* left, const MString& right);
    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MString& text);

    const char* asChar() const;
    const char* asChar(int& length) const;
    const char* asUTF8() const;
    unsigned int length() const;
    void clear();

    MStatus set(const char* text);
    // Shortest decimal text that reads back as the same double.
    MStatus set(double value);
    // Fixed notation with the given number of decimals.
    MStatus set(double value, int precision);

    // Characters start to end, both inclusive; the range is clipped to the text.
    MString substring(int start, int end) const;

    // Sets this text to fmt with each token ^1s, ^2s, ... replaced by the
    // argument of that number. A token without an argument stays as it is and
    // the result is kInvalidParameter.
    MStatus format(const MString& fmt, const MStringArray& args);
    MStatus format(const MString& fmt, const MString& arg1 = argUnused, const MString& arg2 = argUnused,
                   const MString& arg3 = argUnused, const MString& arg4 = argUnused, const MString& arg5 = argUnused,
                   const MString& arg6 = argUnused, const MString& arg7 = argUnused, const MString& arg8 = argUnused,
                   const MString& arg9 = argUnused, const MString& arg10 = argUnused);

    // Replaces every occurrence of src by target; kInvalidParameter for an
    // empty src.
    MStatus substitute(const MString& src, const MString& target);

private:
    // Marks a format argument that was not given; recognised by address, so an
    // empty argument that was given still replaces its token.
    static const MString argUnused;

    std::string m_text;
};
