// Temporary database files: test processes run side by side (ctest -j, and
// other build trees on the same machine), so no two of them may ever be
// handed the same file.
#include "tests/catalogue/CatalogueTestSupport.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

TEST(TempFile, EveryObjectHasItsOwnFileAndRemovesIt) {
    std::string first;
    {
        cattest::TempFile a("twins");
        cattest::TempFile b("twins");
        first = a.Path();
        EXPECT_NE(a.Path(), b.Path());
        catalogue::WriteFileBytes(a.Path(), {1, 2, 3});
        EXPECT_EQ(cattest::ReadFileBytes(a.Path()), (std::vector<uint8_t>{1, 2, 3}));
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(first).parent_path()));
}

#ifndef _WIN32
// The path of a new file, made at the same stack depth in both processes so
// that everything but the process is alike (counters, addresses).
std::string NewFileHeldUntil(int releaseFd, int reportFd) {
    cattest::TempFile file("twins");
    if (reportFd >= 0) {
        const ssize_t written = write(reportFd, file.Path().data(), file.Path().size());
        close(reportFd);
        char ignored = 0;
        while (written > 0 && read(releaseFd, &ignored, 1) > 0) {
        }
        return {};
    }
    return file.Path();
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[256];
    for (ssize_t n = 0; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    return text;
}

TEST(TempFile, TwoProcessesNeverShareAName) {
    int report[2];
    int release[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(report[0]);
        close(release[1]);
        NewFileHeldUntil(release[0], report[1]);
        _exit(0);
    }
    close(report[1]);
    close(release[0]);
    // The child holds its file until `release` closes, so both exist at once.
    const std::string childPath = ReadAll(report[0]);
    close(report[0]);
    const std::string ownPath = NewFileHeldUntil(-1, -1);
    close(release[1]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_FALSE(childPath.empty());
    EXPECT_NE(childPath, ownPath);
}
#endif

} // namespace
