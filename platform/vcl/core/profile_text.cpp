#include "profile_text.h"

namespace {

const char* const kNewLine = "\r\n";

struct Line {
    AnsiString text, ending;  // ending: the line break as it stands, empty on a last line without one
};

std::vector<Line> SplitLines(const AnsiString& content)
{
    std::vector<Line> lines;
    size_t at = 0;
    while (at < content.size()) {
        const size_t end = content.find_first_of("\r\n", at);
        if (end == AnsiString::npos) {
            lines.push_back({content.substr(at), ""});
            break;
        }
        const size_t next = content.compare(end, 2, kNewLine) == 0 ? end + 2 : end + 1;
        lines.push_back({content.substr(at, end - at), content.substr(end, next - end)});
        at = next;
    }
    return lines;
}

AnsiString Trimmed(const AnsiString& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == AnsiString::npos)
        return AnsiString();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(const AnsiString& a, const AnsiString& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The section a header line opens; false when the line is no header.
bool SectionName(const Line& line, AnsiString& name)
{
    const AnsiString text = Trimmed(line.text);
    if (text.empty() || text[0] != '[')
        return false;
    name = Trimmed(text.substr(1, text.find(']') - 1));
    return true;
}

// The key a line sets, as spelt in the file; false for comments and other lines.
bool KeyName(const Line& line, AnsiString& name)
{
    const AnsiString text = Trimmed(line.text);
    const size_t equals = text.find('=');
    if (text.empty() || text[0] == ';' || equals == AnsiString::npos)
        return false;
    name = Trimmed(text.substr(0, equals));
    return true;
}

void Write(std::vector<Line>& lines, const ProfileWrite& write)
{
    const AnsiString value = ProfileLineValue(write.value);
    size_t section = lines.size();
    AnsiString name;
    for (size_t i = 0; i < lines.size() && section == lines.size(); ++i)
        if (SectionName(lines[i], name) && SameName(name, write.section))
            section = i;
    if (section == lines.size()) {
        if (!lines.empty() && lines.back().ending.empty())
            lines.back().ending = kNewLine;
        lines.push_back({"[" + write.section + "]", kNewLine});
        lines.push_back({write.key + "=" + value, kNewLine});
        return;
    }
    size_t lastFilled = section;  // new keys go after it, before blank lines that part sections
    for (size_t i = section + 1; i < lines.size() && !SectionName(lines[i], name); ++i) {
        if (KeyName(lines[i], name) && SameName(name, write.key)) {
            lines[i].text = name + "=" + value;
            return;
        }
        if (!Trimmed(lines[i].text).empty())
            lastFilled = i;
    }
    if (lines[lastFilled].ending.empty())
        lines[lastFilled].ending = kNewLine;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), {write.key + "=" + value, kNewLine});
}

}  // namespace

AnsiString ProfileLineValue(const AnsiString& value)
{
    AnsiString line = value.substr(0, value.find('\0'));
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

AnsiString ApplyProfileWrites(const AnsiString& content, const std::vector<ProfileWrite>& writes)
{
    std::vector<Line> lines = SplitLines(content);
    for (const ProfileWrite& write : writes)
        Write(lines, write);
    AnsiString text;
    text.reserve(content.size() + 64 * writes.size());
    for (const Line& line : lines)
        text += line.text + line.ending;
    return text;
}
