#include "append_log.h"

#include <cstdio>
#include <cstring>

void AppendLog(const char* text)
{
    FILE* log = std::fopen("\\corvane\\preheat.txt", "a");
    if (!log)
        return;
    // One item of the text's length: the line is written whole or not at all.
    std::fwrite(text, std::strlen(text), 1, log);
    std::fclose(log);
}
