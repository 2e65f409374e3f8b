#include "settings/section_name.h"

#include <gtest/gtest.h>

namespace qvutt {
namespace {

TEST(SectionName, IsTheProgramFilesBaseNameWithoutExtension) {
  EXPECT_EQ(section_from_executable_path(L"C:\\Program Files\\QV\\QV-UTT-V1.exe"), L"QV-UTT-V1");
  EXPECT_EQ(section_from_executable_path(L"QV-UTT-V1.exe"), L"QV-UTT-V1");
  EXPECT_EQ(section_from_executable_path(L"D:\\tools.old\\my.copy.EXE"), L"my.copy");
  EXPECT_EQ(section_from_executable_path(L"\\\\server\\share\\Uptime"), L"Uptime");
  EXPECT_EQ(section_from_executable_path(L"C:Uptime2.exe"), L"Uptime2");
  EXPECT_EQ(section_from_executable_path(L"/home/user/.wine/drive_c/qv.exe"), L"qv");
}

}  // namespace
}  // namespace qvutt
