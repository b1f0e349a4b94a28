// posdb-mkdb DATABASE SCRIPT...
// Creates the POS database file DATABASE (replacing it) and runs the scripts
// on it in order, as DBA.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "script.h"
#include "session.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: " << argv[0] << " DATABASE SCRIPT...\n";
        return 2;
    }
    posdb::DbError error;
    std::unique_ptr<posdb::Session> session = posdb::create_empty_database(argv[1], error);
    if (!session) {
        std::cerr << argv[0] << ": " << argv[1] << ": " << error.message << "\n";
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::cerr << argv[0] << ": cannot read " << argv[i] << "\n";
            return 1;
        }
        std::ostringstream text;
        text << in.rdbuf();
        posdb::ScriptFailure failure;
        if (!posdb::run_script(*session, text.str(), failure)) {
            session.reset();
            std::remove(argv[1]);  // no half-built database for the next build step
            std::cerr << argv[i] << ":" << failure.line << ": " << failure.error.message << " ("
                      << failure.error.sqlstate << ")\n";
            return 1;
        }
    }
    return 0;
}
