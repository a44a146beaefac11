// Builds the benchmark's synthetic data: a tree of small files (GEDCOM variants, other files,
// .ged.log companions) in nested folders, and a corpus of large GEDCOM-like files.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {
void MakeDir(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string Person(int i) {
    char buf[256];
    std::snprintf(
        buf, sizeof buf,
        "0 @I%d@ INDI\r\n1 NAME John /Miller%d/\r\n1 SEX M\r\n1 BIRT\r\n2 DATE %d JAN 18%02d\r\n"
        "2 PLAC Springfield, Sangamon, Illinois\r\n",
        i, i % 997, 1 + i % 28, i % 100);
    return buf;
}

std::string GedcomFile(int variant, int people) {
    static const char* heads[] = {
        "0 HEAD\r\n1 SOUR PAF\r\n2 VERS 5.2.18.0\r\n1 DEST PAF\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM "
        "LINEAGE-LINKED\r\n1 CHAR ANSEL\r\n",
        "0 HEAD\r\n1 SOUR Legacy 7\r\n1 GEDC\r\n2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR "
        "UTF-8\r\n",
        "0 HEAD\r\n1 SOUR XY\r\n2 VERS 1.1\r\n1 CHAR ASCII\r\n",
        "0 HEADER\r\n1 SOUR FTW\r\n",
        "0 HEAD\r\n1 GEDC\r\n2 VERS 5.01\r\n1 CHAR ANSI\r\n",
    };
    std::string text = variant == 1 ? "\xEF\xBB\xBF" : "";
    text += heads[variant % 5];
    for (int i = 0; i < people; ++i)
        text += Person(i);
    return text + "0 TRLR\r\n";
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_tree TREE_DIR FILES CORPUS_DIR_MB\n");
        return 2;
    }
    const std::string root = argv[1];
    const int files = std::atoi(argv[2]);
    const int corpusMb = std::atoi(argv[3]);
    MakeDir(root);
    MakeDir(root + "/tree");
    // 100 folders of 10 subfolders each: about 100 files per folder.
    int made = 0;
    for (int a = 0; made < files; ++a) {
        const std::string top = root + "/tree/family" + std::to_string(a);
        MakeDir(top);
        for (int b = 0; b < 10 && made < files; ++b) {
            const std::string dir = top + "/branch" + std::to_string(b);
            MakeDir(dir);
            for (int k = 0; k < 100 && made < files; ++k, ++made) {
                const std::string base = dir + "/tree" + std::to_string(made);
                switch (made % 10) {
                case 0:
                case 1:
                case 2:
                case 3:
                case 4:
                case 5:
                    WriteFile(base + ".ged", GedcomFile(made, 3 + made % 20));
                    break;
                case 6:
                    WriteFile(base + ".ged.log",
                              "Torvex version 3.1\r\nChecked " + std::to_string(made) + "\r\n");
                    break;
                case 7:
                    WriteFile(base + ".txt", "Notes about the Miller family.\r\n");
                    break;
                case 8:
                    WriteFile(base + ".tvx", "; This is a Torvex organize file\r\n");
                    break;
                default:
                    WriteFile(base + ".jpg", std::string(2000, '\x7f'));
                    break;
                }
            }
        }
    }
    MakeDir(root + "/corpus");
    // Files of 25 MB, under the 32 MiB read limit; the needle sits at the very end.
    const int perFile = 25;
    std::string body = GedcomFile(0, 0);
    body.resize(body.size() - 8); // drop the trailer
    for (int i = 0; body.size() < size_t(perFile) * 1000000; ++i)
        body += Person(i);
    for (int n = 0; n * perFile < corpusMb; ++n)
        WriteFile(root + "/corpus/big" + std::to_string(n) + ".ged",
                  body + "1 NOTE Zebediah Quartermaine\r\n0 TRLR\r\n");
    return 0;
}
