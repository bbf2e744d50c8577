#include "HeaderFiles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <map>

#include "CMysqlQuery.h"
#include "DomainHeader.h"
#include "ReplaceFileContents.h"
#include "SessionRows.h"

using namespace tamo::codegen;

namespace {

// The messages of the two passes: the method pass keeps its own wording.
struct SaveTexts {
    const char* kind;
    const char* directoryFailed;
    const char* closeFailed;
};
const SaveTexts kMethodTexts{"method", " 디렉토리 생성 실패", "파일 닫기 싶패"};
const SaveTexts kDataTexts{"data", "디렉토리 생성 실패", "파일 닫기 실패"};

// Whether a path relative to the chosen folder stays below it: the names come from the server, and one
// that is empty, "." or ".." would put the header somewhere else.
bool StaysBelowFolder(const std::string& relativePath) {
    std::size_t begin = 0;
    for (;;) {
        const std::size_t slash = relativePath.find('/', begin);
        const std::string name = relativePath.substr(begin, slash == std::string::npos ? slash : slash - begin);
        if (name.empty() || name == "." || name == "..") return false;
        if (slash == std::string::npos) return true;
        begin = slash + 1;
    }
}

// Writes one domain's header; false (after its message) when it could not be written.
bool SaveHeader(CMysqlQuery& session, const std::string& folder, const class_domain_info& domain,
                const SaveTexts& texts) {
    std::string header;
    MakeDomainHeader(header, texts.kind, session, domain);
    std::string directory = HeaderPath(session, texts.kind, domain.id);
    ReplaceAll(directory, "/");
    const bool below = StaysBelowFolder(directory + domain.name + ".h");
    directory = folder + "/" + directory;
    if (!below) {
        ShowCodegenMessage(directory + texts.directoryFailed);
        return false;
    }
    if (MakeDirectory(directory) != 1) {
        const int reason = errno;
        ShowCodegenMessage(directory + texts.directoryFailed + "\n" + std::strerror(reason));
        return false;
    }
    const FileWriteError error = ReplaceFileContents(directory + domain.name + ".h", header);
    if (!error) return true;
    ShowCodegenMessage(error.Describe(error.step == FileWriteError::Step::close ? texts.closeFailed : "쓰기 실패"));
    return false;
}

// True when every header of the kind was written.
bool SaveHeadersOfKind(CMysqlQuery& session, const std::string& folder, const SaveTexts& texts) {
    std::multimap<int, class_domain_info> domains;
    const int loaded =
        texts.kind == kMethodTexts.kind
            ? session.SelectDomainAllList(session.FormatCall("call mainViewDomainAllList('%%%%','method')"), domains)
            : session.SelectDomainAllList(session.FormatCall("call mainViewDomainAllList('%%%%','data')"), domains);
    if (loaded != 0) {
        session.ShowLastError();
        return false;
    }
    bool saved = true;
    for (auto entry = domains.find(0); entry != domains.end(); ++entry) {
        const class_domain_info domain = entry->second;
        if (!SaveHeader(session, folder, domain, texts)) saved = false;
    }
    return saved;
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

}  // namespace

int MakeDirectory(const std::string& path) {
    if (path.empty()) return 0;
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 2)) {
        const std::string name = path.substr(0, slash);
        if (name.empty() || Exists(name)) continue;
        if (mkdir(name.c_str(), 0777) != 0) return 0;
    }
    return 1;
}

void SaveDomainHeadersBelow(CMysqlQuery& session, const std::string& folder) {
    const bool methodsSaved = SaveHeadersOfKind(session, folder, kMethodTexts);
    const bool dataSaved = SaveHeadersOfKind(session, folder, kDataTexts);
    // Done is said only when it is true: after any failure the user has seen what is missing.
    if (methodsSaved && dataSaved) ShowCodegenMessage("저장을 완료했습니다");
}
