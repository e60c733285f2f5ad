#pragma once
// The skin source folder that authors edit and the build packs:
//   skin.txt                 SkinName=..., SkinVersion=..., Author=...,
//                            AuthorEMail=..., AuthorURL=... (one per line)
//   bitmaps/NNN-Name.png     one RGBA picture per bitmap, NNN its order;
//                            pixels within 6 of magenta become the key
//   bitmaps/NNN-Name.empty   a bitmap without pixels
//   objects/NNN-Name.txt     one top-level object in the text form
// Reading a folder and writing it back gives the same skin.

#include <string>

class TSeSkinSource;

// Replaces the source's content only when the whole folder reads; raises
// EReadError naming the file and the problem.
void ReadSkinFolder(TSeSkinSource& source, const std::string& folder);
// Creates the folder (and its two subfolders); files of earlier unpacks in
// bitmaps/ and objects/ are removed first so that no stale part remains.
void WriteSkinFolder(const TSeSkinSource& source, const std::string& folder);

// The extension of the engine's stored property bytes: a flag byte and the
// default format.
constexpr const char* SkinStreamExtension = ".skinstream";
bool IsSkinStreamFile(const std::string& fileName);
// A skin file by its extension: one of the four formats or the stored
// property bytes. Raises for an extension nobody claims.
void LoadSkinAnyFormat(TSeSkinSource& source, const std::string& fileName);
void SaveSkinAnyFormat(TSeSkinSource& source, const std::string& fileName);
