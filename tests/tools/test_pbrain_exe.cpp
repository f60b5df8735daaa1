// The real pbrain-kalvor process: what arrives on its standard input and
// what it writes back.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#else
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// Runs the program on a script and returns its output lines and exit status.
// Each case has a script file of its own: ctest runs the cases side by side.
std::vector<std::string> draai(const std::string& script, int& status) {
    const std::string file = std::string("pbrain_") +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".txt";
    {
        std::ofstream f(file, std::ios::binary);
        f << script;
    }
    const std::string opdracht = std::string("\"") + PBRAIN_EXE + "\" < " + file;
    FILE* p = popen(opdracht.c_str(), "r");
    std::string uit;
    char blok[4096];
    for (std::size_t n; p && (n = std::fread(blok, 1, sizeof blok, p)) > 0;) uit.append(blok, n);
    status = p ? pclose(p) : -1;
    std::vector<std::string> regels;
    std::istringstream in(uit);
    for (std::string regel; std::getline(in, regel);) regels.push_back(regel);
    return regels;
}

bool iszet(const std::string& s) {
    int x, y, n = 0;
    return std::sscanf(s.c_str(), "%d,%d%n", &x, &y, &n) == 2 && n == static_cast<int>(s.size()) &&
           x >= 0 && x < 19 && y >= 0 && y < 19;
}

TEST(PbrainProcess, ScriptIsAnsweredLineByLineAndEndStopsReading) {
    int status;
    const auto regels = draai(std::string("START 19\r\nABOUT\nBEGIN\nfoo\0bar\n", 30) +
                                  std::string(10000, 'x') + "\nTURN 0,0\nEND\nABOUT\n",
                              status);
    ASSERT_EQ(regels.size(), 6u);
    EXPECT_EQ(regels[0], "OK");
    EXPECT_EQ(regels[1].rfind("name=\"Kalvor\"", 0), 0u);
    EXPECT_TRUE(iszet(regels[2])) << regels[2];
    EXPECT_EQ(regels[3], "UNKNOWN foo?bar");
    EXPECT_EQ(regels[4], "ERROR line too long");
    EXPECT_TRUE(iszet(regels[5])) << regels[5];
    EXPECT_EQ(status, 0);
}

TEST(PbrainProcess, EndOfInputEndsTheSessionAfterAnUnterminatedLine) {
    int status;
    const auto regels = draai("START 19\nBEGIN", status);
    ASSERT_EQ(regels.size(), 2u);
    EXPECT_EQ(regels[0], "OK");
    EXPECT_TRUE(iszet(regels[1]));
    EXPECT_EQ(status, 0);
}

// Managers end lines with CR LF, some with LF, and older ones with a CR
// alone; each ends one command. INFO answers nothing, even when its style is
// unknown: that is noted on a DEBUG line before the next move.
TEST(PbrainProcess, CrAloneCrLfAndLfEachEndALineAndInfoStaysSilent) {
    int status;
    const auto regels = draai("START 19\rINFO style wild\r\nINFO\rINFO rule 1\nBEGIN\r\r"
                              "TURN 0,0\nABOUT\rEND\rABOUT\r",
                              status);
    ASSERT_EQ(regels.size(), 5u);
    EXPECT_EQ(regels[0], "OK");
    EXPECT_EQ(regels[1].rfind("DEBUG INFO style 'wild' ignored: unknown style", 0), 0u)
        << regels[1];
    EXPECT_TRUE(iszet(regels[2])) << regels[2];
    EXPECT_TRUE(iszet(regels[3])) << regels[3];
    EXPECT_EQ(regels[4].rfind("name=\"Kalvor\"", 0), 0u);
    EXPECT_EQ(status, 0);
}

#ifndef _WIN32
// A manager sends the next command only after reading the answer, so each
// answer has to leave the process at once.
TEST(PbrainProcess, EachAnswerArrivesBeforeTheNextCommand) {
    int naar[2], van[2];
    ASSERT_EQ(pipe(naar), 0);
    ASSERT_EQ(pipe(van), 0);
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        dup2(naar[0], 0);
        dup2(van[1], 1);
        close(naar[1]);
        close(van[0]);
        execl(PBRAIN_EXE, PBRAIN_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(naar[0]);
    close(van[1]);
    auto vraag = [&](const std::string& regel) {
        EXPECT_EQ(write(naar[1], regel.data(), regel.size()), static_cast<ssize_t>(regel.size()));
        std::string antwoord;
        char t;
        pollfd w{van[0], POLLIN, 0};
        while (poll(&w, 1, 5000) == 1 && read(van[0], &t, 1) == 1 && t != '\n') antwoord += t;
        return antwoord;
    };
    EXPECT_EQ(vraag("START 19\n"), "OK");
    EXPECT_TRUE(iszet(vraag("BEGIN\n")));
    EXPECT_TRUE(iszet(vraag("TURN 0,0\n")));
    close(naar[1]);
    int status = -1;
    waitpid(kind, &status, 0);
    close(van[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
#endif

} // namespace
