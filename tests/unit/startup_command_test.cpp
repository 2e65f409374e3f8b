#include "settings/startup_command.h"

#include <gtest/gtest.h>

#include <string>

namespace qvutt {
namespace {

constexpr std::wstring_view kProgram = L"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe";

TEST(CommandNamesProgram, QuotedOrBareWithOrWithoutArgumentsInAnyLetterCaseButNoOtherFile) {
  for (const std::wstring_view command :
       {L"\"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe\"",
        L"\"c:\\program files\\qv-utt\\qv-utt-v1.EXE\" /minimized",
        L"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe",
        L"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe /x"}) {
    EXPECT_TRUE(command_names_program(command, kProgram)) << std::wstring(command);
  }
  // Another file, or a broken value, is not this program.
  for (const std::wstring_view command :
       {L"\"C:\\Tools\\QV-UTT-V1.exe\"", L"\"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe.old\"",
        L"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe.old",
        L"\"C:\\Program Files\\QV-UTT\\QV-UTT-V1.exe", L"\"\"", L""}) {
    EXPECT_FALSE(command_names_program(command, kProgram)) << std::wstring(command);
  }
  EXPECT_FALSE(command_names_program(L"", L""));
}

}  // namespace
}  // namespace qvutt
