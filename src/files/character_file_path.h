// Where a character's files go: the file name made from the typed name, and the one save path.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The name a character is saved under in its folder: the typed name with "/", "\" and control
// characters replaced by "_", and a leading "." by "_" (so no file is hidden from the saved-character
// list), cut to at most kFileNameStemLimit bytes on a UTF-8 character boundary, followed by `extension`
// (".xml", ".html"). Empty when the typed name is empty, "." or "..".
std::string CharacterFileName(const std::string& typedName, const std::string& extension);

// The longest file-name part before the extension: the file system's 255 bytes less ".html".
constexpr size_t kFileNameStemLimit = 255 - 5;

// Fills `bytes` with a file's contents; false when the contents could not be made.
using FileContents = std::function<bool(std::string& bytes)>;

// The message of a failed save: `shownPath` is the file's path as a message shows it (shortened in the
// middle), `why` the reason.
using SaveFailureText = std::function<std::string(const std::string& shownPath, const std::string& why)>;

// Saves the character under `typedName` + `extension` in the folder `folderName` below the working
// directory, creating the folder when it is missing. The contents go to a temporary file in that folder
// that is then renamed over the old file, so a failure at any step leaves the old file as it was. A
// name that names no file, and every failure, is reported through the prompter, a failure in the words of
// `failureText` when one is given ("The character could not be saved to <path>: <why>. ..." otherwise);
// a successful save is silent. True when the file was saved.
bool SaveCharacterFile(const std::string& folderName, const std::string& typedName,
                       const std::string& extension, const FileContents& contents,
                       const SaveFailureText& failureText = nullptr);
