// The preloader's log: an append-only narrow text file on the device.
#pragma once

// Appends one zero-terminated text to the log. The file is opened and closed
// for every text, so each line reaches the file system at once; a log that
// cannot be opened (no \corvane folder, storage full) loses the text silently.
void AppendLog(const char* text);
