#pragma once

#include <QString>

// One value of an ini file in the Windows format ("[Section]" lines and
// "key=value" lines), as the program keeps the care database's file name in
// "vandrel.ini". Section and key names are matched without regard to letter
// case; the value is the text after the first "=" exactly as written, so a
// file name with commas, blanks or backslashes comes back unchanged. The file
// is UTF-8 text and is read anew on every call.
class IniFile
{
public:
    explicit IniFile(QString fileName);

    const QString &fileName() const { return m_fileName; }

    // Returns the value of key in section; the empty text when the section
    // or the key is missing. Raises Exception when the file cannot be read.
    QString value(const QString &section, const QString &key) const;

    // Stores value for key in section: replaces the value of an existing key,
    // or adds the key at the end of its section, or adds the section at the
    // end of the file (which is created when missing). Every other line stays
    // byte for byte. Raises Exception when the file cannot be read or
    // written, or when value holds a line break; the file then keeps its old
    // content.
    void setValue(const QString &section, const QString &key, const QString &value) const;

private:
    QString m_fileName;
};
