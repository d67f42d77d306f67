#include "model/ModelFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "model/PieceKinds.h"

namespace {
constexpr const char* kKeywords[] = {"plate", "colour", "step", "group", "end"};
constexpr const char* kOwnColoursToken = "-";

struct Token {
    std::string_view text;
    int column;  // 1-based, in characters
};

// One fault, thrown to parseModel's catch: where it is and what is wrong.
struct Fault {
    int line;
    int column;
    std::string what;
};

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool isKeyword(std::string_view word) {
    for (const char* keyword : kKeywords)
        if (word == keyword) return true;
    return false;
}

// The length of the valid UTF-8 sequence at text[at], or 0 if none starts there.
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    const unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;  // overlong, a surrogate, or past U+10FFFF
    return length;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number: [+-] digits [. digits] [e [+-] digits], or with the digits after the point.
bool isDecimal(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponent = 0;
        while (i < text.size() && isDigit(text[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == text.size();
}

// Where a row's arguments end: a number or a range starts with a digit, a sign or a point.
bool looksNumeric(std::string_view text) {
    return !text.empty() &&
           (isDigit(text[0]) || text[0] == '+' || text[0] == '-' || text[0] == '.') &&
           text != kOwnColoursToken;
}

bool isWhole(double value) { return std::floor(value) == value; }

const char* roleName(ArgumentRole role) { return role == ArgumentRole::Size ? "size" : "angle"; }

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Model parse() {
        storage_ = std::make_shared<ModelStorage>();
        model_.basePlate = noBasePlate();
        const std::string_view byteOrderMark = "\xEF\xBB\xBF";
        std::size_t start = text_.substr(0, 3) == byteOrderMark ? 3 : 0;
        while (start < text_.size()) {
            std::size_t end = text_.find('\n', start);
            if (end == std::string_view::npos) end = text_.size();
            ++line_;
            statement(text_.substr(start, end - start));
            start = end + 1;
        }
        if (group_.open) fail(group_.line, group_.column, "group " + group_.label + " has no end");
        if (pieces_ == 0 && !model_.hasBasePlate())
            fail(line_ == 0 ? 1 : line_, 1, "the model has no pieces: give it a plate or rows");
        model_.storage = storage_;
        for (const std::vector<Placement>& rows : storage_->layerRows)
            model_.layers.push_back({rows.data(), static_cast<int>(rows.size())});
        return model_;
    }

private:
    struct OpenGroup {
        bool open = false;
        std::string label;
        int line = 0, column = 0;
    };

    [[noreturn]] void fail(int line, int column, std::string what) const {
        throw Fault{line, column, std::move(what)};
    }
    [[noreturn]] void fail(const Token& token, std::string what) const {
        fail(line_, token.column, std::move(what));
    }

    static Placement noBasePlate() {
        return {
            "base", PieceKind::GroupOrigin, {0, 0}, PaletteColour::OwnColours, at(0), at(0), at(0),
            noTurn};
    }

    // Checks the line's characters, drops its comment and splits it into tokens.
    void tokenize(std::string_view lineText) {
        if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
        tokens_.clear();
        int column = 1;
        std::size_t tokenStart = std::string_view::npos;
        int tokenColumn = 0;
        std::size_t i = 0;
        for (; i < lineText.size(); ++column) {
            const char c = lineText[i];
            const std::size_t length = utf8Length(lineText, i);
            if (length == 0) fail(line_, column, "this byte is not UTF-8 text");
            if (length == 1 && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) && c != '\t')
                fail(line_, column, "a control character has no place in a model file");
            if (c == '#') break;
            const bool space = c == ' ' || c == '\t';
            if (!space && tokenStart == std::string_view::npos) {
                tokenStart = i;
                tokenColumn = column;
            }
            if (space && tokenStart != std::string_view::npos) {
                tokens_.push_back({lineText.substr(tokenStart, i - tokenStart), tokenColumn});
                tokenStart = std::string_view::npos;
            }
            i += length;
        }
        if (tokenStart != std::string_view::npos)
            tokens_.push_back({lineText.substr(tokenStart, i - tokenStart), tokenColumn});
        endColumn_ = column;
        commentFree_ = lineText.substr(0, i);
    }

    void statement(std::string_view lineText) {
        tokenize(lineText);
        if (tokens_.empty()) return;
        const std::string_view word = tokens_[0].text;
        std::string justClosed;
        justClosed.swap(justClosedGroup_);
        if (word == "plate") return plateLine();
        if (word == "colour") return colourLine();
        if (word == "step") return stepLine();
        if (word == "end") return endLine();
        if (!inStep()) fail(tokens_[0], "a row or group comes after a step line");
        const std::size_t labelIndex = word == "group" ? 1 : 0;
        if (labelIndex < tokens_.size() && !justClosed.empty() &&
            belongsToGroup(std::string(tokens_[labelIndex].text).c_str(), justClosed.c_str()))
            fail(tokens_[labelIndex], "label " + std::string(tokens_[labelIndex].text) +
                                          " right after group " + justClosed +
                                          "'s end would join that group; label it otherwise");
        if (word == "group") return groupLine();
        rowLine();
    }

    bool inStep() const { return !storage_->layerRows.empty(); }

    void needCount(std::size_t count, const char* form) const {
        if (tokens_.size() < count)
            fail(line_, endColumn_, std::string("incomplete line: write ") + form);
        if (tokens_.size() > count)
            fail(tokens_[count], "unexpected " + quoted(tokens_[count].text) + ": write " + form);
    }

    void beforeSteps(const Token& token) const {
        if (inStep()) fail(token, quoted(token.text) + " lines come before the first step");
    }

    double number(const Token& token, std::string_view text, const char* what) const {
        if (text.size() > 64 || !isDecimal(text))
            fail(token, quoted(text) + " is not a number (" + what + ")");
        const double value = std::strtod(std::string(text).c_str(), nullptr);
        if (!std::isfinite(value)) fail(token, quoted(text) + " is out of range (" + what + ")");
        return value;
    }
    double number(const Token& token, const char* what) const {
        return number(token, token.text, what);
    }

    int wholeNumber(const Token& token, int low, int high, const char* what) const {
        const double value = number(token, what);
        if (!isWhole(value) || value < low || value > high)
            fail(token, std::string(what) + " " + std::string(token.text) +
                            " must be a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high));
        return static_cast<int>(value);
    }

    void plateLine() {
        beforeSteps(tokens_[0]);
        if (plateLine_ != 0)
            fail(tokens_[0], "the plate is already given on line " + std::to_string(plateLine_));
        plateLine_ = line_;
        storage_->plateLine = line_;
        if (tokens_.size() == 2 && tokens_[1].text == "none") return;
        needCount(4, "plate WIDTH DEPTH COLOUR, or plate none");
        Placement plate = noBasePlate();
        plate.piece = PieceKind::BasePlate;
        plate.arguments[0] = wholeNumber(tokens_[1], 1, kMaxBasePlateSize, "plate width");
        plate.arguments[1] = wholeNumber(tokens_[2], 1, kMaxBasePlateSize, "plate depth");
        plate.colour = colour(tokens_[3]);
        if (plate.colour == PaletteColour::ByParity || plate.colour == PaletteColour::OwnColours)
            fail(tokens_[3],
                 "the plate needs a colour with an RGB, not " + quoted(tokens_[3].text));
        model_.basePlate = plate;
    }

    void colourLine() {
        beforeSteps(tokens_[0]);
        needCount(5, "colour NAME RED GREEN BLUE");
        const Token& name = tokens_[1];
        bool wellFormed = !name.text.empty() && name.text.size() <= kMaxLabelLength &&
                          std::isalpha(static_cast<unsigned char>(name.text[0]));
        for (const char c : name.text)
            wellFormed = wellFormed && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
        if (!wellFormed)
            fail(name, "colour name " + quoted(name.text) +
                           " must be a letter then letters, digits or _ (at most " +
                           std::to_string(kMaxLabelLength) + ")");
        if (knownColour(name.text, nullptr))
            fail(name, "colour " + std::string(name.text) + " is already named");
        if (static_cast<int>(model_.colours.size()) >= kMaxModelColours)
            fail(name, "a model names at most " + std::to_string(kMaxModelColours) + " colours");
        const int red = (wholeNumber(tokens_[2], 0, 255, "red"));
        const int green = (wholeNumber(tokens_[3], 0, 255, "green"));
        const int blue = (wholeNumber(tokens_[4], 0, 255, "blue"));
        model_.colours.push_back({std::string(name.text), red, green, blue});
    }

    void stepLine() {
        if (group_.open)
            fail(group_.line, group_.column,
                 "group " + group_.label + " has no end before the step on line " +
                     std::to_string(line_));
        if (static_cast<int>(storage_->layerRows.size()) >= kMaxModelSteps)
            fail(tokens_[0], "a model has at most " + std::to_string(kMaxModelSteps) + " steps");
        std::string_view title = commentFree_.substr(commentFree_.find("step") + 4);
        while (!title.empty() && (title.front() == ' ' || title.front() == '\t'))
            title.remove_prefix(1);
        while (!title.empty() && (title.back() == ' ' || title.back() == '\t'))
            title.remove_suffix(1);
        if (title.size() > kMaxTitleLength)
            fail(tokens_[1], "a title has at most " + std::to_string(kMaxTitleLength) + " bytes");
        storage_->layerRows.emplace_back();
        storage_->layerLines.emplace_back();
        model_.titles.emplace_back(title);
        labels_.clear();
    }

    void endLine() {
        needCount(1, "end");
        if (!group_.open) fail(tokens_[0], "end without a group to close");
        group_.open = false;
        justClosedGroup_ = group_.label;
    }

    void groupLine() {
        if (group_.open)
            fail(tokens_[0], "groups do not nest: end group " + group_.label + " first");
        needCount(6, "group LABEL at X Y Z");
        if (tokens_[2].text != "at")
            fail(tokens_[2], "expected 'at' after the group's label: group LABEL at X Y Z");
        Placement origin = noBasePlate();
        origin.row = label(tokens_[1]);
        origin.x = at(single(tokens_[3], "x"));
        origin.y = at(single(tokens_[4], "y"));
        origin.z = at(single(tokens_[5], "z"));
        storage_->layerRows.back().push_back(origin);
        storage_->layerLines.back().push_back(line_);
        group_ = {true, origin.row, line_, tokens_[0].column};
    }

    void rowLine() {
        Placement row = noBasePlate();
        row.row = label(tokens_[0]);
        if (group_.open && !belongsToGroup(row.row, group_.label.c_str()))
            fail(tokens_[0], "rows in group " + group_.label + " are labelled " + group_.label +
                                 "a to " + group_.label + "z, not " + row.row);
        if (tokens_.size() < 2) fail(line_, endColumn_, "a row needs a piece kind after its label");
        const Token& kindToken = tokens_[1];
        const PieceKindInfo& kind = pieceKind(kindToken);
        row.piece = kind.kind;

        std::size_t next = 2;
        while (next < tokens_.size() && looksNumeric(tokens_[next].text)) ++next;
        std::vector<ArgumentRole> roles;
        for (const ArgumentRole role : kind.arguments)
            if (role != ArgumentRole::Unused) roles.push_back(role);
        if (next - 2 != roles.size()) {
            std::string expected;
            for (const ArgumentRole role : roles)
                expected += (expected.empty() ? "" : ", ") + std::string(roleName(role));
            fail(next - 2 > roles.size() ? tokens_[2 + roles.size()] : kindToken,
                 std::string(kind.name) + " takes " + std::to_string(roles.size()) +
                     (roles.size() == 1 ? " argument" : " arguments") +
                     (roles.empty() ? "" : " (" + expected + ")") + " before its colour, not " +
                     std::to_string(next - 2));
        }
        for (int i = 0, given = 2; i < 2; ++i)
            if (kind.arguments[i] != ArgumentRole::Unused)
                row.arguments[i] = argument(kind, kind.arguments[i], tokens_[size_t(given++)]);

        if (next >= tokens_.size()) fail(line_, endColumn_, "the row needs a colour then x y z");
        row.colour = pieceColour(kind, tokens_[next]);
        if (tokens_.size() < next + 4)
            fail(line_, endColumn_, "the row needs x y z after its colour");
        row.x = coordinate(tokens_[next + 1], "x");
        row.y = coordinate(tokens_[next + 2], "y");
        row.z = coordinate(tokens_[next + 3], "z");
        next += 4;
        if (next < tokens_.size()) {
            if (tokens_[next].text != "turn")
                fail(tokens_[next], "unexpected " + quoted(tokens_[next].text) +
                                        " after the position: only 'turn x|z DEGREES' may follow");
            if (tokens_.size() != next + 3)
                fail(tokens_[next], "write the turn as 'turn x DEGREES' or 'turn z DEGREES'");
            const Token& axis = tokens_[next + 1];
            if (axis.text != "x" && axis.text != "z")
                fail(axis, "a row turns about x or z, not " + quoted(axis.text));
            const double degrees = number(tokens_[next + 2], "degrees");
            if (std::fabs(degrees) > kMaxTurnDegrees)
                fail(tokens_[next + 2],
                     "a turn is at most " + std::to_string(int(kMaxTurnDegrees)) + " degrees");
            row.rotation = {axis.text[0], degrees};
        }
        const long long count = 1LL * row.x.count() * row.y.count() * row.z.count();
        pieces_ += count;
        if (pieces_ > kMaxModelPieces)
            fail(tokens_[0],
                 "the model places more than " + std::to_string(kMaxModelPieces) + " pieces");
        storage_->layerRows.back().push_back(row);
        storage_->layerLines.back().push_back(line_);
    }

    // Stores a new label of the current step, checked; returns its lasting copy.
    const char* label(const Token& token) {
        const std::string_view text = token.text;
        bool wellFormed = text.size() <= kMaxLabelLength && !isKeyword(text);
        for (const char c : text)
            wellFormed = wellFormed && (std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
                                        c == '-' || c == '.');
        if (!wellFormed)
            fail(token, "label " + quoted(text) + " must be letters, digits, _ - or . (at most " +
                            std::to_string(kMaxLabelLength) + ") and not a keyword");
        const auto used = labels_.find(std::string(text));
        if (used != labels_.end())
            fail(token, "label " + std::string(text) + " is already used on line " +
                            std::to_string(used->second) + " in this step");
        labels_.emplace(std::string(text), line_);
        storage_->labels.push_back(std::make_unique<std::string>(text));
        return storage_->labels.back()->c_str();
    }

    const PieceKindInfo& pieceKind(const Token& token) const {
        if (token.text == "BasePlate")
            fail(token, "the base plate is the model's: write it as 'plate WIDTH DEPTH COLOUR'");
        if (token.text == "GroupOrigin") fail(token, "a group opens with 'group LABEL at X Y Z'");
        for (const PieceKindInfo& kind : allPieceKinds())
            if (token.text == kind.name) return kind;
        std::string kinds;
        for (const PieceKindInfo& kind : allPieceKinds())
            if (kind.kind != PieceKind::GroupOrigin && kind.kind != PieceKind::BasePlate)
                kinds += (kinds.empty() ? "" : ", ") + std::string(kind.name);
        fail(token, "unknown piece kind " + quoted(token.text) + " (kinds: " + kinds + ")");
    }

    double argument(const PieceKindInfo& kind, ArgumentRole role, const Token& token) const {
        const double value = number(token, roleName(role));
        if (role == ArgumentRole::Size) {
            if (!isWhole(value) || value < 1 || value > kMaxPieceSize)
                fail(token, std::string(kind.name) + " cannot be " + std::string(token.text) +
                                " studs: a size is a whole number from 1 to " +
                                std::to_string(kMaxPieceSize));
            return value;
        }
        const bool allQuarters = kind.body.turns == Turns::AllQuarters;
        const bool allowed =
            value == 0 || value == 90 || (allQuarters && (value == 180 || value == 270));
        if (!allowed)
            fail(token, std::string(kind.name) + " cannot turn by " + std::string(token.text) +
                            " degrees: it turns by " +
                            (allQuarters ? "0, 90, 180 or 270" : "0 or 90"));
        return value;
    }

    bool knownColour(std::string_view name, PaletteColour* colour) const {
        for (const PaletteEntry& entry : paletteColours())
            if (name == entry.name) return colour ? (*colour = entry.colour, true) : true;
        if (name == paletteColourName(PaletteColour::ByParity))
            return colour ? (*colour = PaletteColour::ByParity, true) : true;
        for (std::size_t i = 0; i < model_.colours.size(); ++i)
            if (name == model_.colours[i].name)
                return colour ? (*colour = modelColour(int(i)), true) : true;
        return false;
    }

    PaletteColour colour(const Token& token) const {
        PaletteColour found = PaletteColour::OwnColours;
        if (token.text == kOwnColoursToken) return found;
        if (!knownColour(token.text, &found)) {
            std::string names;
            for (const PaletteEntry& entry : paletteColours())
                names += std::string(entry.name) + ", ";
            fail(token, "unknown colour " + quoted(token.text) + " (the palette: " + names +
                            "ByParity; or name it on a colour line)");
        }
        return found;
    }

    PaletteColour pieceColour(const PieceKindInfo& kind, const Token& token) const {
        const PaletteColour found = colour(token);
        const bool own = found == PaletteColour::OwnColours;
        if (pieceColoursItself(kind.kind) && !own)
            fail(token, std::string(kind.name) + " colours itself: write - for its colour");
        if (!pieceColoursItself(kind.kind) && own)
            fail(token, std::string(kind.name) +
                            " needs a colour: - is for the window, door, fence and mailbox");
        return found;
    }

    double single(const Token& token, const char* axis) const {
        const double value = number(token, axis);
        if (std::fabs(value) > kMaxCoordinate)
            fail(token, std::string(axis) + " " + std::string(token.text) + " is beyond ±" +
                            std::to_string(int(kMaxCoordinate)) + " brick units");
        return value;
    }

    // VALUE, or FIRST..LAST with an optional :STEP (1 when left out).
    Coordinate coordinate(const Token& token, const char* axis) const {
        const std::string_view text = token.text;
        const std::size_t dots = text.find("..");
        if (dots == std::string_view::npos) return at(single(token, axis));
        const std::size_t colon = text.find(':', dots);
        const std::string_view lastText =
            text.substr(dots + 2, colon == std::string_view::npos ? colon : colon - dots - 2);
        const char* form = "a range is FIRST..LAST or FIRST..LAST:STEP";
        Coordinate range{
            number(token, text.substr(0, dots), form), number(token, lastText, form),
            colon == std::string_view::npos ? 1.0 : number(token, text.substr(colon + 1), form)};
        for (const double end : {range.first, range.last})
            if (std::fabs(end) > kMaxCoordinate)
                fail(token, "range " + std::string(text) + " goes beyond ±" +
                                std::to_string(int(kMaxCoordinate)) + " brick units");
        if (range.step <= 0) fail(token, "range " + std::string(text) + " needs a step above 0");
        if (range.last < range.first)
            fail(token,
                 "range " + std::string(text) + " has no values: its last comes before its first");
        const double steps = (range.last - range.first) / range.step;
        if (steps + 1 > kMaxRangeValues)
            fail(token, "range " + std::string(text) + " has more than " +
                            std::to_string(kMaxRangeValues) + " values");
        if (std::fabs(steps - std::round(steps)) > 1e-9 * std::fmax(1.0, steps))
            fail(token, "range " + std::string(text) + " does not end on a step");
        return range;
    }

    std::string_view text_;
    int line_ = 0;
    int endColumn_ = 1;
    std::vector<Token> tokens_;
    std::string_view commentFree_;
    Model model_;
    std::shared_ptr<ModelStorage> storage_;
    std::map<std::string, int> labels_;  // the current step's labels and their lines
    OpenGroup group_;
    std::string justClosedGroup_;
    int plateLine_ = 0;
    long long pieces_ = 0;
};

// The shortest decimal that reads back as exactly `value`: without an exponent where a few
// places after the point do ("0.4", "270"), else in %g's form.
std::string decimal(double value) {
    char text[40];
    if (std::fabs(value) < 1e15) {
        for (int places = 0; places <= 6; ++places) {
            std::snprintf(text, sizeof text, "%.*f", places, value);
            if (std::strtod(text, nullptr) == value) return text;
        }
    }
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value) break;
    }
    return text;
}

std::string coordinateText(const Coordinate& coordinate) {
    if (coordinate.step == 0) return decimal(coordinate.first);
    std::string text = decimal(coordinate.first) + ".." + decimal(coordinate.last);
    if (coordinate.step != 1) text += ":" + decimal(coordinate.step);
    return text;
}

std::string rowText(const Model& model, const Placement& row) {
    std::string text = row.row;
    text.resize(std::max<std::size_t>(text.size(), 4), ' ');
    const PieceKindInfo& kind = pieceKindInfo(row.piece);
    text += std::string(" ") + kind.name;
    for (int i = 0; i < 2; ++i)
        if (kind.arguments[i] != ArgumentRole::Unused) text += " " + decimal(row.arguments[i]);
    text += " " + (row.colour == PaletteColour::OwnColours ? std::string(kOwnColoursToken)
                                                           : model.colourName(row.colour));
    text += " " + coordinateText(row.x) + " " + coordinateText(row.y) + " " + coordinateText(row.z);
    if (row.rotation.axis != 0)
        text += std::string(" turn ") + row.rotation.axis + " " + decimal(row.rotation.degrees);
    return text + "\n";
}

std::string titleText(std::string title) {
    for (char& c : title)
        if (c == '#' || c == '\n' || c == '\r' || c == '\t') c = ' ';
    return title;
}
}  // namespace

bool parseModel(std::string_view text, const std::string& name, Model* model, std::string* error) {
    try {
        *model = Parser(text).parse();
        return true;
    } catch (const Fault& fault) {
        *error = name + ":" + std::to_string(fault.line) + ":" + std::to_string(fault.column) +
                 ": " + fault.what;
        return false;
    }
}

bool readModelFile(const std::string& path, Model* model, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = path + ": cannot read it: " + std::strerror(errno);
        return false;
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (static_cast<long>(text.size()) > kMaxModelFileBytes) {
            *error = path + ": larger than the " + std::to_string(kMaxModelFileBytes >> 20) +
                     " MiB a model file may be";
            return false;
        }
    }
    if (file.bad()) {
        *error = path + (std::filesystem::is_directory(path) ? ": is a folder, not a model file"
                                                             : ": cannot read it");
        return false;
    }
    return parseModel(text, path, model, error);
}

std::string modelText(const Model& model) {
    std::string text = "# A brik model (docs/model-format.md).\n";
    for (const ModelColour& colour : model.colours)
        text += "colour " + colour.name + " " + std::to_string(colour.red) + " " +
                std::to_string(colour.green) + " " + std::to_string(colour.blue) + "\n";
    if (model.hasBasePlate())
        text += "plate " + decimal(model.basePlate.arguments[0]) + " " +
                decimal(model.basePlate.arguments[1]) + " " +
                model.colourName(model.basePlate.colour) + "\n";
    else
        text += "plate none\n";
    for (int layer = 1; layer <= model.layerCount(); ++layer) {
        const std::string title = titleText(model.title(layer));
        text += "\nstep" + (title.empty() ? "" : " " + title) + "\n";
        const PlacementTable& table = model.layer(layer);
        for (int index = 0; index < table.rowCount;) {
            const Placement& row = table.rows[index++];
            if (row.piece != PieceKind::GroupOrigin) {
                text += rowText(model, row);
                continue;
            }
            text += std::string("group ") + row.row + " at " + decimal(row.x.first) + " " +
                    decimal(row.y.first) + " " + decimal(row.z.first) + "\n";
            while (index < table.rowCount && belongsToGroup(table.rows[index].row, row.row))
                text += "    " + rowText(model, table.rows[index++]);
            text += "end\n";
        }
    }
    return text;
}
