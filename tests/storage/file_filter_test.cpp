#include "storage/file_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "storage/file_names.h"

namespace quillet {
namespace {

TEST(BuildFileFilter, Table) {
  struct Case { ExtensionList list; std::string text; int kinds; };
  const std::vector<Case> cases = {
      {DefaultExtensionList(),
       "Файлы заданных типов (*.srt;*.ass;*.ssa)|*.srt;*.ass;*.ssa|Все файлы (*.*)|*.*", 9},
      {{{"srt", false}, {"ass", true}, {"ssa", true}},
       "Файлы заданных типов (*.srt;*.ass;*.ssa)|*.srt;*.ass;*.ssa|Файлы редактора (*.ass;*.ssa)|*.ass;*.ssa|"
       "Все файлы (*.*)|*.*",
       11},
      {{{"srt", true}, {"sub", true}}, "Файлы редактора (*.srt;*.sub)|*.srt;*.sub|Все файлы (*.*)|*.*", 10},
      {{}, "Файлы srt (*.srt)|*.srt|Все файлы (*.*)|*.*", 12},
  };
  for (const Case& c : cases) {
    const FileFilter f = BuildFileFilter(c.list);
    EXPECT_EQ(std::tuple(f.text, f.kinds), std::tuple(c.text, c.kinds));
  }
}

TEST(ChooseFilterIndex, Table) {
  const std::string f9 = BuildFileFilter(DefaultExtensionList()).text;
  const std::string f11 = BuildFileFilter({{"srt", false}, {"ass", true}, {"ssa", true}}).text;
  const std::string f12 = BuildFileFilter({}).text;
  struct Case { int kinds; int32_t memory; const char* file; std::string filter; int index; };
  const std::vector<Case> cases = {
      {9, 1, "", f9, 1},
      {9, 9 * 256 + 8, "", f9, 2},
      {9, 9 * 256 + 8, "a.txt", f9, 2},        // "Все файлы" takes any name
      {9, 9 * 256 + 1, "a.txt", f9, 2},        // the list does not take .txt, "Все файлы" does
      {9, 9 * 256 + 1, "a.SSA", f9, 1},
      {11, 11 * 256 + 2, "a.srt", f11, 1},     // the remembered entry lacks .srt: the first that has it
      {11, 11 * 256 + 2, "a.ass", f11, 2},
      {11, 11 * 256 + 8, "", f11, 3},
      {9, 12 * 256 + 8, "", f9, 1},            // "Все файлы" chosen when there was no list yields to it
      {12, 12 * 256 + 4, "", f12, 1},
      {12, 12 * 256 + 8, "b.srt", f12, 2},
      {12, 9 * 256 + 2, "", f12, 1},           // a bit the filter has not
      {9, -1, "a.srt", f9, 1},
      {9, 1, "a.srt", "", 1},
      // Only the entries before the last are searched for the name's type.
      {3, 3 * 256 + 1, "a.srt", "Текст (*.txt)|*.txt|Субтитры (*.srt)|*.srt", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseFilterIndex(c.kinds, c.memory, c.file, c.filter), c.index)
        << c.kinds << " " << c.memory << " " << c.file;
  }
}

TEST(FilterIndexToType, Table) {
  // {9, 3} and {9, 0} lie beyond the entries present; kind set 255 has all eight entries.
  const int cases[][3] = {{9, 1, 9 * 256 + 1},  {9, 2, 9 * 256 + 8}, {11, 2, 11 * 256 + 2},
                          {11, 3, 11 * 256 + 8}, {9, 3, 9 * 256 + 1}, {9, 0, 9 * 256 + 1},
                          {255, 8, 255 * 256 + 128}, {255, 9, 255 * 256 + 1}, {255, 1, 255 * 256 + 1}};
  for (const auto& c : cases) EXPECT_EQ(FilterIndexToType(c[0], c[1]), c[2]) << c[0] << " " << c[1];
  // What is remembered brings the same entry back.
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(ChooseFilterIndex(11, FilterIndexToType(11, i), "", ""), i);
}

TEST(FileNames, Parts) {
  EXPECT_EQ(ExtractFileName("/a/b.c/film.srt"), "film.srt");
  EXPECT_EQ(ExtractFilePath("/a/b.c/film.srt"), "/a/b.c/");
  EXPECT_EQ(ExtractFilePath("film.srt"), "");
  EXPECT_EQ(ExtractFileExt("/a/b.c/film"), "");
  EXPECT_EQ(ExtractFileExt("/a/film.tar.SRT"), ".SRT");
  EXPECT_EQ(ExtractFileExt("/a/film."), ".");
  EXPECT_EQ(ExtractBaseName("/a/film.tar.srt"), "film.tar");
  EXPECT_EQ(ChangeFileExt("/a.b/notes", ".srt"), "/a.b/notes.srt");
  EXPECT_EQ(ChangeFileExt("/a/notes.txt", ".srt"), "/a/notes.srt");
  EXPECT_TRUE(SameFileName("/a/Фильм.SRT", "/a/фильм.srt"));
  EXPECT_FALSE(SameFileName("/a/中.srt", "/a/?.srt"));
  EXPECT_FALSE(SameFileName("/a/b.srt", "/a/b.sr"));
}

}  // namespace
}  // namespace quillet
