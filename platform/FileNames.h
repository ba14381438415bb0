// File names as the program uses them.
//
// Names come from data files, settings and code written for a file system that
// ignores letter case and separates folders with '\'. Every file the program
// names goes through ResolveFileName: '\' becomes '/', and each part of the
// path is looked up in its folder without regard to letter case ("UserBase.org"
// finds "userbase.org"). Names are Latin-1 bytes; letter case is folded for A-Z
// and the Latin-1 accented letters.
//
// The program directory has two layers:
//   - the user layer, the learner's own folder ($XDG_DATA_HOME/Clavora), made
//     at start-up, where everything the program writes goes;
//   - the shipped layer, the folder of the program's material (build/app/ in
//     a build, the share folder of an installation), which the program only
//     reads.
// A relative name is looked up in the user layer first, then in the shipped
// one; a name found in neither means the user layer (a new file is made
// there). A listing by mask is the union of both, so a learner's own story or
// vocabulary dropped into the user folder shows up beside the shipped ones.
// Opening a file for writing that only the shipped layer has copies it into
// the user layer first and writes the copy (see ResolveForWriting).
// Absolute names are taken as they are. A relative name is refused like a
// missing file when a link takes it out of both layers (a learner's folder
// cannot lend the program a file from elsewhere), and a folder in the user
// layer never hides a shipped file of its name: folders are no material.
//
// Without layers (SetProgramLayers not called, as in most tests) the user
// layer is the current directory and there is no shipped layer.
//
// Names that come from the material itself (an exercise line's "FILE:", a
// story, a vocabulary, a picture) are checked with IsMaterialName first: an
// absolute name or one that climbs out with ".." is treated as missing.
//
// Typical use:
//     TTextFile File; File.Open("Drill1.txt", TTextFile::tmRead);  // either layer
//     ListFiles("*.cnt");                                          // both layers
//     ReplaceFile(ResolveForWriting("Report.txt"), Text);           // user layer
#pragma once

#include "platform/Latin1Case.h"

#include <string>
#include <vector>

// Sets the two layers (absolute folders); "" clears one. Start-up sets them;
// tests that run the program clear them again.
void SetProgramLayers(const std::string& UserLayer, const std::string& ShippedLayer);
// The folders set, "" when unset.
const std::string& UserLayer();
const std::string& ShippedLayer();

// The name with '\' mapped to '/' and each existing component replaced by its
// spelling on disk. Components from the first one that does not exist on are
// kept as given, so a new file in an existing folder gets the folder's real
// spelling. A relative name is found in the user layer, else in the shipped
// layer, else it names a new file in the user layer; "" (which opens
// nothing) when a link takes it out of the layers.
std::string ResolveFileName(const std::string& Name);

// The path to write a file under: an absolute name as ResolveFileName gives
// it; a relative one always in the user layer. When only the shipped layer
// has the file, it is copied into the user layer first, so that updating it
// (appending, writing records) starts from the shipped contents. "" when
// that copy fails or a link would take the file out of the layers.
std::string ResolveForWriting(const std::string& Name);

// A name a data file may use: not empty, relative, and without a ".." part.
bool IsMaterialName(const std::string& Name);

// True when the name resolves to an ordinary file (not a folder, device or pipe).
bool FileExists(const std::string& Name);

// True when the name resolves to a folder.
bool DirectoryExists(const std::string& Name);

// True when Name matches Mask, where '*' stands for any run of characters and
// '?' for exactly one, without regard to letter case. "*.*" matches every name.
bool MatchesMask(const std::string& Name, const std::string& Mask);

// The names (without folder) of the ordinary files in the mask's folder that
// match the mask's last part; for a relative mask the folder in both layers,
// a name in both counted once with the user layer's spelling. Hidden files
// (names beginning with ".") and folders are left out. Sorted without regard
// to letter case, so the order does not depend on the file system.
std::vector<std::string> ListFiles(const std::string& Mask);

// Copies a file to a new name (a relative target in the user layer), synced;
// fails when the target already exists. Returns false with errno set on failure.
bool CopyNewFile(const std::string& From, const std::string& To);

// Renames or moves a file; fails when the target already exists. Across file
// systems the file is copied (and synced) and the original deleted. Returns
// false with errno set on failure.
bool RenameFile(const std::string& From, const std::string& To);

// Case-insensitive equality of two Latin-1 names.
bool SameFileName(const std::string& A, const std::string& B);
