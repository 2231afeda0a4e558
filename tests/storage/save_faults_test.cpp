// The save routine against a system whose calls fail: each call of a save fails once, in
// turn, through the file system the document writes with.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix/posix_file_system.h"
#include "storage/document.h"
#include "storage/temp_folder.h"
#include "support/failing_calls.h"
#include "support/fake_dialogs.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Exists;
using testing::FailingCalls;
using testing::ReadBytes;
using testing::TempFolder;
using Strings = std::vector<std::string>;

const std::string kNew = "1\r\n00:00:01,000 --> 00:00:02,000\r\nnew text\r\n";

// What a save can start from.
struct Scene {
  const char* what;
  bool exists;          // a.srt holds "old text"
  bool keepPrevious;    // "Сохранять предыдущий", over a_before.srt holding "older text"
  bool secondName;      // a.srt has a second name b.srt: written in place
  bool readOnlyFolder;  // the folder takes no new names: written in place, the copy in TMPDIR
};

TEST(SaveFaults, EveryCallFailsOnceInTurn) {
  const Scene scenes[] = {
      {"a new file", false, false, false, false},
      {"over a file", true, false, false, false},
      {"keeping the previous version", true, true, false, false},
      {"a file with two names", true, true, true, false},
      {"a folder that takes no new names", true, false, false, true},
  };
  for (const Scene& scene : scenes) {
    int calls = 0, failures = 0;
    for (int failAt = 0; failAt == 0 || failAt <= calls; ++failAt) {
      SCOPED_TRACE(std::string(scene.what) + ", failing call " + std::to_string(failAt));
      TempFolder dir, tmp;
      ASSERT_EQ(::setenv("TMPDIR", tmp.Path().c_str(), 1), 0);
      const std::string file = dir / "a.srt", before = dir / "a_before.srt", other = dir / "b.srt";
      if (scene.exists) dir.Write("a.srt", "old text");
      if (scene.keepPrevious) dir.Write("a_before.srt", "older text");
      if (scene.secondName) {
        ASSERT_EQ(::link(file.c_str(), other.c_str()), 0);
      }
      const Strings names = dir.Names();

      FailingCalls sys;
      sys.failAt = failAt;
      if (scene.readOnlyFolder) sys.readOnlyFolder = dir.Path();
      PosixFileSystem fs(sys);
      testing::TestEditor t(kNew);
      testing::FakeFileDialogs dialogs;
      testing::FakeShell shell;
      ProgramOptions options;
      const ExtensionList extensions = DefaultExtensionList();
      TDocument doc(t.editor, fs, dialogs, shell, options, extensions);
      doc.Adopt(scene.exists ? file : std::string());
      doc.OnTextChanged();
      // The system's reason of a failed save, as its box shows it.
      auto systemErrors = [&t] {
        Strings errors;
        for (const auto& q : t.prompt.questions) {
          if (q.kind == MsgKind::Error) errors.push_back(q.text);
        }
        return errors;
      };

      const bool saved = doc.SaveToFileSp(file, scene.keepPrevious, false);
      ::unsetenv("TMPDIR");
      if (failAt == 0) {
        calls = sys.count;
        ASSERT_TRUE(saved);
        if (scene.keepPrevious) {
          EXPECT_EQ(ReadBytes(before), "old text");
        }
        continue;
      }
      ASSERT_TRUE(sys.Failed());
      EXPECT_EQ(tmp.Names(), Strings{});
      if (!saved) {
        // Nothing changed on the disk, and the document still has unsaved text.
        ++failures;
        EXPECT_EQ(Exists(file) ? ReadBytes(file) : "<none>", scene.exists ? "old text" : "<none>");
        if (scene.keepPrevious) {
          EXPECT_EQ(ReadBytes(before), "older text");
        }
        if (scene.secondName) {
          EXPECT_EQ(ReadBytes(other), "old text");
        }
        EXPECT_EQ(dir.Names(), names);
        EXPECT_EQ(std::tuple(doc.TextModified(), doc.OpenedFile(), systemErrors()),
                  std::tuple(true, scene.exists ? file : std::string(), Strings{"Input/output error"}));
        ASSERT_EQ(t.messages.messages.size(), 1u);
        EXPECT_EQ(t.messages.messages[0].text, "Сбой при поптыке сохранения файла \"" + file + "\".");
      } else {
        // The failure was worked around: the whole new text is there.
        std::set<std::string> expected(names.begin(), names.end());
        expected.insert("a.srt");
        EXPECT_EQ(dir.Names(), Strings(expected.begin(), expected.end()));
        EXPECT_EQ(std::tuple(ReadBytes(file), doc.TextModified()), std::tuple(kNew, false));
        if (scene.secondName) {
          EXPECT_EQ(ReadBytes(other), kNew);
        }
        // Keeping the previous version may fail without failing the save.
        if (scene.keepPrevious) {
          EXPECT_TRUE(ReadBytes(before) == "old text" || ReadBytes(before) == "older text");
        }
      }
    }
    EXPECT_GT(failures, 3) << scene.what;
  }
}

}  // namespace
}  // namespace quillet
