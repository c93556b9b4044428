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
        std::vector<std::string> args;  // the checker's
        int status;
        std::string says;
    };
    const std::string v = VECTORS;
    std::vector<Row> rows = {
        {{v, ANSWERER, "tacno"}, 0, "slaze se: " + all + " od " + all + " slucajeva"},
        {{"--vreme", "2", v, ANSWERER, "visi"}, 1, "program nije zavrsio za 2 s i zaustavljen je"},
        {{v, ANSWERER, "pada"}, 1, "program je zavrsen sa signal 6"},
        {{v, ANSWERER, "smece"}, 1, "dobijeno:        '#!?': nije broj: #!?"},
        {{v, "/nema/takvog"}, 2, "/nema/takvog: program ne moze da se pokrene (No such file"},
    };
#ifdef SKELETON
    rows.push_back({{v, SKELETON}, 0, "slaze se: " + all + " od " + all + " slucajeva"});
#endif
    for (const Variant wrong : WRONG_VARIANTS) {
        rows.push_back({{v, ANSWERER, variantName(wrong)},
                        1,
                        std::string("razlika): ") + variantStory(wrong) + "\n"});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        Process p(PROVERA, row.args, ".");
        p.write("");
        EXPECT_EQ(p.wait(30000), row.status);
        EXPECT_NE(p.out().find(row.says), std::string::npos) << p.out();
    }
}
