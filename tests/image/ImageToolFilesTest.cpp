// Files written by netpbm and ImageMagick, read back pixel by pixel.

#include "ImageTestSupport.h"

#include <algorithm>
#include <ostream>

namespace image_test {
namespace {

enum class Tool { Netpbm, ImageMagick };

struct ToolCase {
    Tool tool;
    bool runLength;
    int channels;
    int width;
    int height;
};

std::ostream& operator<<(std::ostream& out, const ToolCase& c) {
    return out << (c.tool == Tool::Netpbm ? "pnmtosgi" : "convert")
               << (c.runLength ? " rle " : " verbatim ") << c.width << "x" << c.height << "x"
               << c.channels;
}

// Converts `source` with the case's tool into an SGI file at `target`.
::testing::AssertionResult WriteWithTool(const ToolCase& c, const std::string& source,
                                         const std::string& target) {
    const bool netpbm = c.tool == Tool::Netpbm;
    ::testing::AssertionResult installed =
        netpbm ? HaveTool("pnmtosgi", "netpbm") : HaveTool("convert", "imagemagick");
    if (!installed) return installed;
    if (netpbm) {
        return RunCommand(std::string("pnmtosgi ") + (c.runLength ? "-rle " : "-verbatim ") +
                          source + " > " + target + " 2>/dev/null");
    }
    return RunCommand("convert " + source + " -compress " + (c.runLength ? "RLE" : "None") +
                      " sgi:" + target);
}

class ToolFileTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolFileTest, LoadsTheToolsPixelsInFileOrder) {
    const ToolCase c = GetParam();
    TempDir dir;
    const Picture source = PatternPicture(c.width, c.height, c.channels);
    const std::string input = dir.File(c.channels == 4 ? "in.pam" : "in.pnm");
    const std::string output = dir.File("out.rgb");
    WriteNetpbm(input, source);
    ASSERT_TRUE(WriteWithTool(c, input, output));

    LoadedImagePtr image;
    ASSERT_TRUE(Load(output, &image));
    EXPECT_EQ(image->magic, kImageMagicSwapped) << "the tools write big-endian files";
    EXPECT_EQ(image->type >> 8, c.runLength ? 1 : 0) << "storage mode the tool was asked for";
    // The tools store the picture's bottom row first.
    EXPECT_TRUE(SamePixels(*image, Flipped(source)));
}

std::vector<ToolCase> ToolCases() {
    std::vector<ToolCase> cases;
    for (Tool tool : {Tool::Netpbm, Tool::ImageMagick}) {
        for (bool runLength : {false, true}) {
            for (int channels : {1, 3, 4}) {
                if (tool == Tool::Netpbm && channels == 4) continue;  // pnmtosgi takes no alpha
                for (int width : {4, 5, 7, 8})
                    cases.push_back({tool, runLength, channels, width, 3});
            }
            // Runs and literal stretches longer than one 127-byte packet.
            cases.push_back({tool, runLength, 3, 600, 2});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(NetpbmAndImageMagick, ToolFileTest, ::testing::ValuesIn(ToolCases()),
                         [](const ::testing::TestParamInfo<ToolCase>& tool) {
                             const ToolCase& c = tool.param;
                             return std::string(c.tool == Tool::Netpbm ? "pnmtosgi" : "convert") +
                                    (c.runLength ? "_rle_" : "_verbatim_") +
                                    std::to_string(c.width) + "x" + std::to_string(c.height) + "x" +
                                    std::to_string(c.channels);
                         });

// The tools' own decoder agrees that the file's row 0 is the picture's bottom,
// so the flip in the test above is the format's and not the reader's.
TEST(ToolFiles, FileRowZeroIsThePicturesBottomRow) {
    ASSERT_TRUE(HaveTool("sgitopnm", "netpbm"));
    for (Tool tool : {Tool::Netpbm, Tool::ImageMagick}) {
        const ToolCase c{tool, true, 3, 5, 4};
        SCOPED_TRACE(::testing::PrintToString(c));
        TempDir dir;
        const Picture source = PatternPicture(c.width, c.height, c.channels, 5);
        WriteNetpbm(dir.File("in.ppm"), source);
        ASSERT_TRUE(WriteWithTool(c, dir.File("in.ppm"), dir.File("out.rgb")));
        ASSERT_TRUE(RunCommand("sgitopnm " + dir.File("out.rgb") + " > " + dir.File("back.ppm") +
                               " 2>/dev/null"));
        EXPECT_EQ(ReadNetpbm(dir.File("back.ppm")).pixels, source.pixels);

        LoadedImagePtr image;
        ASSERT_TRUE(Load(dir.File("out.rgb"), &image));
        const unsigned char* firstRow = image->data;
        const unsigned char* bottomRow = &source.pixels[(c.height - 1) * c.width * c.channels];
        EXPECT_TRUE(std::equal(bottomRow, bottomRow + c.width * c.channels, firstRow));
    }
}

}  // namespace
}  // namespace image_test
