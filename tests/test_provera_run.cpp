// geometrija-provera against student programs that misuse their process:
// output closed early or held by a child, children left running, a status
// other than 0 after right answers, a crash under a parent that ignores
// SIGCHLD.  Each must end the run within its limit, be told in words, and
// leave no process of the student's running.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/temp_dir.h"
#include "support/vectors.h"

using support::Process;

namespace {

// Whether the process still runs (a zombie has ended).
bool stillRuns(pid_t pid) {
    if (kill(pid, 0) != 0) {
        return false;
    }
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    const std::size_t close = text.rfind(')');
    return close == std::string::npos || text.substr(close + 2, 1) != "Z";
}

}  // namespace

TEST(ProveraRun, EndsInTimeTellsWhatHappenedAndLeavesNothingRunning) {
    const std::string all = std::to_string(support::caseCount(VECTORS));
    const std::string v = VECTORS;
    const support::TempDir dir;
    const std::string pidFile = dir.path() + "/pid";
    // A student script whose processes, should the checker leave them
    // running, do not hold the test's own pipe (the checker's standard error).
    const std::string quiet = "exec 2>/dev/null; ";
    // As a grading script in Python starts the checker: SIGCHLD ignored, and
    // so inherited (bash passes an ignored SIGCHLD on to what it runs; dash not).
    const std::string ignoringChld = "trap '' CHLD; exec \"$0\" \"$@\"";
    struct Row {
        std::string what;
        std::string program;            // the checker, or a shell that starts it
        std::vector<std::string> args;  // the program's
        int status;
        std::vector<std::string> out;  // expected in standard output
        std::string err;               // expected in standard error
        bool leavesPid;  // the student wrote to pidFile the pid of a process to be stopped
    };
    const std::vector<Row> rows = {
        {"closes its output and hangs",
         PROVERA,
         {"--vreme", "2", v, "sh", "-c",
          quiet + "exec >&-; echo $$ > " + pidFile + "; exec sleep 3600"},
         1,
         {"program nije zavrsio za 2 s i zaustavljen je\n", "program je dao 0 od " + all},
         "",
         true},
        {"answers everything, leaves a child holding its output",
         PROVERA,
         {v, "sh", "-c", quiet + "\"$0\" tacno; sleep 3600 & echo $! > " + pidFile, ANSWERER},
         1,
         {"slaze se: " + all + " od " + all + " slucajeva",
          "program je zavrsen sa status 0, ali je ostavio proces koji je jos radio; zaustavljen "
          "je\n"},
         "",
         true},
        {"a script whose child runs at the limit",
         PROVERA,
         {"--vreme", "2", v, "sh", "-c",
          quiet + "sleep 3600 >/dev/null & echo $! > " + pidFile + "; \"$0\" visi", ANSWERER},
         1,
         {"program nije zavrsio za 2 s i zaustavljen je\n", "program je dao 10 od " + all},
         "",
         true},
        {"answers everything, then status 3",
         PROVERA,
         {v, "sh", "-c", "\"$0\" tacno; exit 3", ANSWERER},
         1,
         {"slaze se: " + all + " od " + all + " slucajeva", "program je zavrsen sa status 3\n"},
         "",
         false},
        {"a program named without a folder",
         PROVERA,
         {v, "sh", "-c", "exec \"$0\" tacno", ANSWERER},
         0,
         {"slaze se: " + all + " od " + all + " slucajeva"},
         "",
         false},
        {"a program that cannot start, told on standard error",
         PROVERA,
         {v, "/nema/takvog"},
         2,
         {},
         "geometrija-provera: /nema/takvog: program ne moze da se pokrene (",
         false},
        {"crashes after every answer, SIGCHLD ignored by the checker's parent",
         "/bin/bash",
         {"-c", ignoringChld, PROVERA, v, ANSWERER, "pada-na-kraju"},
         1,
         {"slaze se: " + all + " od " + all + " slucajeva", "program je zavrsen sa signal 6"},
         "",
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::remove(pidFile.c_str());
        const auto begin = std::chrono::steady_clock::now();
        Process p(row.program, row.args, ".");
        p.write("");
        EXPECT_EQ(p.wait(30000), row.status);
        // Only a guard against a hang: a 2 s limit must not be waited for ever.
        EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(10));
        for (const std::string& says : row.out) {
            EXPECT_NE(p.out().find(says), std::string::npos) << p.out();
        }
        EXPECT_NE(p.err().find(row.err), std::string::npos) << p.err();
        if (row.leavesPid) {
            std::ifstream in(pidFile);
            pid_t pid = 0;
            ASSERT_TRUE(in >> pid) << "the student wrote no pid";
            EXPECT_FALSE(stillRuns(pid)) << "process " << pid << " left running";
            if (stillRuns(pid)) {
                kill(pid, SIGKILL);
            }
        }
    }
}
