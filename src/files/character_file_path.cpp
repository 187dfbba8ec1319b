#include "files/character_file_path.h"

#include <filesystem>
#include <system_error>
#include <wx/defs.h>

#include "app/prompts.h"
#include "app/safe_file.h"
#include "app/text_encoding.h"

namespace {

const char* const kSaveCaption = "Save file";

std::string PlainFailureText(const std::string& shownPath, const std::string& why) {
    return "The character could not be saved to " + shownPath + ": " + why +
           ". Any earlier file of that name is unchanged.";
}

} // namespace

std::string CharacterFileName(const std::string& typedName, const std::string& extension) {
    if (typedName.empty() || typedName == "." || typedName == "..")
        return {};
    std::string name = typedName;
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f)
            c = '_';
    }
    if (name.front() == '.')
        name.front() = '_';
    // Both the file and the sheet must fit the file system's name limit, so the longer extension sets
    // the room. The cut never splits a UTF-8 character; the name in the file stays whole.
    if (name.size() > kFileNameStemLimit) {
        size_t cut = kFileNameStemLimit;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xc0) == 0x80)
            --cut;
        name.resize(cut > 0 ? cut : kFileNameStemLimit);
    }
    return name + extension;
}

bool SaveCharacterFile(const std::string& folderName, const std::string& typedName,
                       const std::string& extension, const FileContents& contents,
                       const SaveFailureText& failureText) {
    const std::string fileName = CharacterFileName(typedName, extension);
    if (fileName.empty()) {
        Prompts().Message("The character needs a name before it can be saved.", kSaveCaption,
                          wxOK | wxICON_INFORMATION);
        return false;
    }
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec) / folderName;
    const std::filesystem::path path = folder / fileName;
    const auto reportFailure = [&failureText, &path](const std::string& why) {
        const std::string shown = ShortenMiddle(path.string());
        Prompts().Message(ToWx(failureText ? failureText(shown, why) : PlainFailureText(shown, why)),
                          kSaveCaption, wxOK | wxICON_ERROR);
    };
    if (ec) {
        reportFailure("the working folder cannot be read");
        return false;
    }
    std::filesystem::create_directory(folder, ec);
    if (ec || !std::filesystem::is_directory(folder, ec)) {
        reportFailure("the folder " + folderName + " cannot be created");
        return false;
    }
    std::string bytes;
    if (!contents(bytes)) {
        reportFailure("the file's contents could not be made");
        return false;
    }
    if (!WriteFileReplacing(path.string(), bytes)) {
        reportFailure("the file cannot be written");
        return false;
    }
    return true;
}
