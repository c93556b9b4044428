// geometrija-provera as a teacher runs it, over all the test vectors: the
// library's own skeleton agrees everywhere; a student's program wrong in one
// known rounding step is caught and that step named; one that hangs,
// crashes, writes garbage or cannot start gets a clear line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "provera/variants.h"
#include "support/process.h"

using namespace geometrija::provera;
using support::Process;

namespace {

int vectorCount() {
    std::ifstream in(VECTORS);
    int n = 0;
    std::string line;
    while (std::getline(in, line)) {
        n += !line.empty() && line[0] != '#';
    }
    return n;
}

}  // namespace

TEST(Provera, TellsRightFromWrongAndNamesTheStep) {
    const std::string all = std::to_string(vectorCount());
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    std::vector<Row> rows = {
        {{ANSWERER, "tacno"}, 0, "slaze se: " + all + " od " + all + " slucajeva"},
        {{"--vreme", "2", ANSWERER, "visi"}, 1, "program nije zavrsio za 2 s i zaustavljen je"},
        {{ANSWERER, "pada"}, 1, "program je zavrsen sa signal 6"},
        {{ANSWERER, "smece"}, 1, "dobijeno:        '#!?': nije broj: #!?"},
        {{"/nema/takvog"}, 2, "/nema/takvog: program ne moze da se pokrene (No such file"},
    };
#ifdef SKELETON
    rows.push_back({{SKELETON}, 0, "slaze se: " + all + " od " + all + " slucajeva"});
#endif
    for (const Variant v : WRONG_VARIANTS) {
        rows.push_back(
            {{ANSWERER, variantName(v)}, 1, std::string("razlika): ") + variantStory(v) + "\n"});
    }
    for (const Row& row : rows) {
        std::vector<std::string> args = {VECTORS};
        if (row.args[0] == "--vreme") {
            args.insert(args.begin(), row.args.begin(), row.args.begin() + 2);
            args.insert(args.end(), row.args.begin() + 2, row.args.end());
        } else {
            args.insert(args.end(), row.args.begin(), row.args.end());
        }
        SCOPED_TRACE(row.args.back());
        Process p(PROVERA, args, ".");
        p.write("");
        EXPECT_EQ(p.wait(30000), row.status);
        EXPECT_NE(p.out().find(row.says), std::string::npos) << p.out();
    }
}
