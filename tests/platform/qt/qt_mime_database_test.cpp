// The shared MIME database as Qt reads it: the type of an extension's files, none for one no
// type claims. The user's own data folder is a temporary one, so only the system's types count.
#include "platform/qt/qt_mime_database.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "storage/temp_folder.h"

namespace quillet {
namespace {

TEST(QtMimeDatabase, TheTypeOfAnExtensionsFiles) {
  testing::TempFolder home;
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
  const QtMimeDatabase db;
  const std::string srt = db.TypeOfExtension("srt");
  const std::string none = db.TypeOfExtension("quillet-no-such-extension");
  const std::string empty = db.TypeOfExtension("");
  const std::string upper = db.TypeOfExtension("SRT");
  if (old != nullptr) {
    setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
  EXPECT_EQ(none, "");
  EXPECT_EQ(empty, "");
  if (srt.empty()) GTEST_SKIP() << "the shared MIME database knows no type for *.srt here";
  EXPECT_EQ(srt, "application/x-subrip");
  EXPECT_EQ(upper, srt);
}

}  // namespace
}  // namespace quillet
