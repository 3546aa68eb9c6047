#include "PdfExtension.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct EndingCase {
    std::string path;
    std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const EndingCase& c, std::ostream* out) { *out << c.path; }

class PdfExtensionTest : public testing::TestWithParam<EndingCase> {};

TEST_P(PdfExtensionTest, AppendsUnlessAlreadyPdf) {
    EXPECT_EQ(EnsurePdfExtension(GetParam().path), GetParam().expected) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdfExtensionTest,
    testing::Values(
        EndingCase{"C:\\out\\report.pdf", "C:\\out\\report.pdf"},
        EndingCase{"C:\\out\\report.PDF", "C:\\out\\report.PDF"},
        EndingCase{"a.Pdf", "a.Pdf"},
        EndingCase{"C:\\out\\report.doc", "C:\\out\\report.doc.pdf"},
        EndingCase{"a.txt", "a.txt.pdf"},
        EndingCase{"C:\\out\\report", "C:\\out\\report.pdf"},
        EndingCase{"C:\\out\\report.", "C:\\out\\report."},
        EndingCase{"C:\\my.docs\\report", "C:\\my.docs\\report.pdf"},
        EndingCase{"C:\\out\\report.pdfx", "C:\\out\\report.pdfx.pdf"},
        EndingCase{"", ""}));

}  // namespace
