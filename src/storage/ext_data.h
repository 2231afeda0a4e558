// The editor's file types: the list of extensions the program treats as subtitle files, kept
// with the settings, feeding the file dialogs' filters and the clipboard file offer, and the
// registration of chosen extensions to this program with the desktop (another program's
// association is kept in the backup root and put back when the registration is withdrawn).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop_associations.h"
#include "platform/settings_store.h"
#include "storage/file_filter.h"

namespace quillet {

// Fixed lists: an extension e is in a list when "." + e + "." occurs in it, without regard to
// letter case.
inline constexpr std::string_view DefaultExtList = ".srt.ass.ssa.";
// Never taken over from another program.
inline constexpr std::string_view ForbiddenExtList =
    ".doc.com.bat.exe.gif.jpg.jpeg.png.bmp.midi.mid.rmi.mp3.mp4.wma.wmv.mpg.mpeg.mkv.avi.divx.rar.zip.dll.";
// Taken over only after a question.
inline constexpr std::string_view UndesirableExtList = ".txt.";
bool ExtInList(std::string_view list, std::string_view ext);

// The longest extension that can be typed, in characters.
inline constexpr int MaxExtLength = 32;
// Characters that cannot stand in an extension (and the dot, which ends one).
inline constexpr std::string_view RefusedExtChars = "<>\"*./:?\\|";
// An extension the list can hold: not empty, none of the refused characters, no control
// characters.
bool IsValidExt(std::string_view ext);

// The stored values (current user, RegKeyProgram).
inline constexpr const char* ExtDataStrValue = "ExtDataStr";
inline constexpr const char* ExtIconFileValue = "ExtIconFile";

using TExtDataItem = ExtensionItem;

// Who opens an extension's files, as read by UpdateState.
enum class HandlerSource { Desktop, ThisProgram, Nobody };

class TExtData {
 public:
  // The list is kept in store (current user) with the backups (local machine); the
  // registrations go through desktop. Both must outlive the list.
  TExtData(ISettingsStore& store, IDesktopAssociations& desktop);

  const ExtensionList& Items() const { return items_; }
  size_t Count() const { return items_.size(); }
  const TExtDataItem& Item(size_t index) const { return items_.at(index); }
  // The list differs from the stored one.
  bool Modified() const { return modified_; }
  const std::string& ExtIconFile() const { return extIconFile_; }
  IDesktopAssociations& Desktop() { return desktop_; }

  // Reads "ExtIconFile" and "ExtDataStr" (the default list when it is missing), then
  // LoadFromString.
  void Load();
  // The extensions of s, split at dots (runs of dots skip), each read from the desktop; one
  // already in the list (without regard to case), or one that cannot be an extension, is
  // skipped and leaves the list modified.
  void LoadFromString(std::string_view s);
  // Writes "ExtDataStr" and "ExtIconFile" and makes them durable; on success the list is no
  // longer modified.
  bool Save();
  // Every item's state read from the desktop again, last to first.
  void RefreshStates();
  // Drops the backups of extensions that are not (or no longer) registered to this program.
  void PruneBackups();

  // The index of the item with extension e (without regard to case), or -1.
  int Find(std::string_view e) const;
  // Appends e (modified); the caller then reads its state (UpdateState (index, Desktop)).
  size_t Add(const std::string& e);
  // Reads the item's state; withdraws its registration when it is this program's (putting
  // back another program's association), then drops it (modified). True when a registration
  // was withdrawn.
  bool Delete(size_t index);
  // The extensions (all, or those registered to this program) sorted without regard to case
  // and joined by ".".
  std::string ListString(bool registeredOnly) const;
  // The item's state from its handler: the desktop's, this program, or nobody.
  void UpdateState(size_t index, HandlerSource source);

  // Registers the item's extension to this program, keeping another program's association
  // first when it has one, and reads its state. True when it was registered.
  bool Register(size_t index);
  // Withdraws the registration and puts back the kept association; reads the state again.
  bool Unregister(size_t index);

 private:
  ISettingsStore& store_;
  IDesktopAssociations& desktop_;
  ExtensionList items_;
  bool modified_ = false;
  std::string extIconFile_;
};

// The registration routines over the desktop and the backup root. The backup of ext is kept at
// backupPath + "\" + ext when registering and read from backupPath (the whole key) when
// withdrawing, as the two callers name them.
bool RegisterExt(IDesktopAssociations& desktop, ISettingsStore& store, const std::string& ext,
                 const std::string& programPath, const std::string& backupPath, const std::string& iconFile);
bool UnregisterExt(IDesktopAssociations& desktop, ISettingsStore& store, const std::string& ext,
                   const std::string& backupPath);

}  // namespace quillet
