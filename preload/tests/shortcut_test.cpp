// The start-up shortcut shipped beside the preloader: "NN#path", NN the
// number of characters of the path, the path naming the installed program.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "library_loader.h"

TEST(PreheatShortcut, CountsItsPathAndNamesTheInstalledProgram)
{
    std::ifstream file(BesideProgram("RILO_CACHE\\Siskin\\preheat.lnk"), std::ios::binary);
    ASSERT_TRUE(file.good());
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string::size_type hash = text.find('#');
    ASSERT_NE(std::string::npos, hash) << text;
    const std::string count = text.substr(0, hash);
    const std::string path = text.substr(hash + 1);
    EXPECT_EQ("\\Corvane\\bin\\preheat.exe", path);
    EXPECT_EQ(std::to_string(path.size()), count);
    // The shortcut's program is the one shipped beside it.
    const std::string program = path.substr(path.find_last_of('\\') + 1);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesA(BesideProgram(("RILO_CACHE\\Siskin\\" + program).c_str()).c_str()));
}
