// One log line in the fixed message buffer: the texts as logged, the cut of a
// name too long for the buffer, and no byte written past the buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "log_line.h"

namespace {

const char kFound[] = "Found PPT2846 ID: %S";
const std::size_t kFits = 236; // name characters that fit beside the text

std::string Formatted(std::size_t size, const wchar_t* name)
{
    std::vector<char> message(size);
    const std::size_t length = FormatLogLine(message.data(), size, kFound, name);
    EXPECT_EQ(std::strlen(message.data()), length);
    return message.data();
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(LogLine, FixedTextsEndWithOneLineFeed)
{
    char message[kMessageBytes];
    EXPECT_EQ(43u, FormatLogLine(message, sizeof(message), "NO PPT2846 ID found, program will exit now"));
    EXPECT_STREQ("NO PPT2846 ID found, program will exit now\n", message);
    FormatLogLine(message, sizeof(message), "FAILED to load DLL!!");
    EXPECT_STREQ("FAILED to load DLL!!\n", message);
}

TEST(LogLine, WideNameIsWrittenAsNarrowText)
{
    EXPECT_EQ("Found PPT2846 ID: PPT2846_7.id\n", Formatted(kMessageBytes, L"PPT2846_7.id"));
}

// Names around the largest that fits, and the longest the platform allows.
TEST(LogLine, NameTooLongKeepsItsBeginningAndTheLineFeed)
{
    for (std::size_t length : {kFits - 1, kFits, kFits + 1, std::size_t(250), std::size_t(259)}) {
        const std::wstring name = L"PPT2846" + std::wstring(length - 10, L'y') + L".id";
        const std::string line = Formatted(kMessageBytes, name.c_str());
        EXPECT_EQ("Found PPT2846 ID: " + Narrow(name).substr(0, kFits) + "\n", line) << length;
        EXPECT_LE(line.size(), kMessageBytes - 1) << length;
    }
}

// Every size from none to past the text: a guard byte right after the buffer
// shows a write past it (and the sanitizer one further off); the line stays a
// line whenever the buffer can hold one.
TEST(LogLine, NeverWritesPastTheBuffer)
{
    const std::string whole = "Found PPT2846 ID: PPT2846.id\n";
    for (std::size_t size = 0; size <= whole.size() + 2; ++size) {
        std::unique_ptr<char[]> message(new char[size + 1]);
        message[size] = '#';
        const std::size_t length = FormatLogLine(message.get(), size, kFound, L"PPT2846.id");
        EXPECT_EQ('#', message[size]) << size;
        if (size == 0)
            continue;
        const std::size_t kept = std::min(size - 1, whole.size());
        EXPECT_EQ(kept, length) << size;
        const std::string line(message.get(), length);
        if (size == 1)
            EXPECT_EQ("", line);
        else
            EXPECT_EQ(whole.substr(0, kept - 1) + "\n", line) << size;
    }
}

#if !defined(_WIN32)
// The C library here refuses a wide character with no narrow form outright;
// the line is then the line feed alone, never what the buffer held before.
TEST(LogLine, UnconvertibleNameLeavesTheLineFeedAlone)
{
    char message[kMessageBytes];
    std::memset(message, 'z', sizeof(message));
    EXPECT_EQ(1u, FormatLogLine(message, sizeof(message), kFound, L"PPT2846\u4e2d.id"));
    EXPECT_STREQ("\n", message);
}
#endif

} // namespace
