#include "verify/program_simulation.h"

#include "verify/arc_geometry.h"
#include "verify/program_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

struct HeadState {
    bool known = false; // the height; a head sent home is up at an unknown height
    double z = 0;
    bool down = false;
};

std::string sentence(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

class Simulator {
public:
    Simulator(const VerifyMachine& machine, size_t expectedMoves)
        : machine_(machine), heads_(static_cast<size_t>(std::max(machine.heads, 0)))
    {
        trace_.segments.reserve(expectedMoves);
    }

    void step(int lineNumber, std::string_view text);
    ProgramTrace finish();

private:
    void problem(std::string text) { trace_.problems.push_back({line_, std::move(text)}); }
    bool anyDown() const;
    void moveGantry(const ProgramLine& line, Motion motion);
    bool targetOf(const ProgramLine& line, Point2& to);
    void pushSegment(Motion motion, Point2 to, Point2 centre, bool down);
    void moveHeads(const ProgramLine& line, Statement statement);
    void callSubprogram();

    const VerifyMachine& machine_;
    ProgramTrace trace_;
    int line_ = 0;
    Point2 at_;
    bool xKnown_ = false, yKnown_ = false;
    std::vector<HeadState> heads_;
    long headsDown_ = 0; // how many of heads_ are down
    double gantryFeed_ = 0, headFeed_ = 0;
    int side_ = 0;
    Cut cut_;
    bool headUpTold_ = false;
};

bool Simulator::anyDown() const
{
    return headsDown_ > 0;
}

void Simulator::step(int lineNumber, std::string_view text)
{
    line_ = lineNumber;
    const ProgramLine line = readProgramLine(text, machine_);
    if (!line.warning.empty())
        problem(sentence(line.warning));
    switch (line.statement) {
    case Statement::Unknown:
        problem("Cannot read this line: " + line.why);
        break;
    case Statement::GantryFeedRate:
        gantryFeed_ = line.feed;
        break;
    case Statement::HeadFeedRate:
        headFeed_ = line.feed;
        break;
    case Statement::GantryRapid:
        moveGantry(line, Motion::Rapid);
        break;
    case Statement::GantryFeed:
        moveGantry(line, Motion::Feed);
        break;
    case Statement::Arc:
        moveGantry(line, Motion::Arc);
        break;
    case Statement::HeadRapid:
    case Statement::HeadFeed:
    case Statement::HeadsDown:
    case Statement::HeadsUp:
    case Statement::HeadsHome:
        moveHeads(line, line.statement);
        break;
    case Statement::Pause:
        side_ = 1;
        break;
    case Statement::Subprogram:
        callSubprogram();
        break;
    default: // comments, G90, G92.1, spindle and tool lines move nothing
        break;
    }
}

bool Simulator::targetOf(const ProgramLine& line, Point2& to)
{
    to = at_;
    bool x = false, y = false;
    for (const Word& word : line.words) {
        const char address = word.address == 'x' ? 'X' : word.address == 'y' ? 'Y' : word.address;
        if (address == 'X')
            to.x = word.value, x = true;
        else if (address == 'Y')
            to.y = word.value, y = true;
    }
    const bool known = (xKnown_ || x) && (yKnown_ || y);
    xKnown_ = xKnown_ || x;
    yKnown_ = yKnown_ || y;
    return known;
}

void Simulator::moveGantry(const ProgramLine& line, Motion motion)
{
    const bool startKnown = xKnown_ && yKnown_;
    Point2 to;
    if (!targetOf(line, to) || (motion == Motion::Arc && !startKnown)) {
        problem(motion == Motion::Arc ? "An arc cannot start from an unknown position."
                                      : "The gantry's position is not known here; this move must name both X and Y.");
        at_ = to;
        return;
    }
    Point2 centre = at_;
    for (const Word& word : line.words) {
        if (word.address == 'I')
            centre.x += word.value;
        else if (word.address == 'J')
            centre.y += word.value;
    }
    if (!startKnown)
        at_ = to; // a first move goes from nowhere known: only where it ends is on the path
    const bool down = anyDown();
    if (motion == Motion::Rapid && down)
        problem("A rapid move while the heads are down drags the bit through the post.");
    const bool someUp = static_cast<size_t>(headsDown_) < heads_.size();
    for (size_t head = 0; someUp && head < heads_.size() && motion != Motion::Rapid && down && !headUpTold_; ++head) {
        if (!heads_[head].down) {
            headUpTold_ = true; // once a cut: the head stays up for the rest of it
            problem(std::string("The gantry cuts while head ") + machine_.headChars[head] +
                    " is up, so its post is not cut here.");
            break;
        }
    }
    pushSegment(motion, to, centre, down);
}

void Simulator::pushSegment(Motion motion, Point2 to, Point2 centre, bool down)
{
    const PathSegment segment{at_, to, centre, motion == Motion::Rapid ? 0 : gantryFeed_, line_, motion, down,
                              static_cast<unsigned char>(side_)};
    double length = 0;
    if (motion == Motion::Arc) {
        const ArcRun run = arcRun(segment);
        if (run.endError > 0.002)
            problem("The arc's end lies " + lengthText(run.endError) + " off its circle.");
        length = run.length;
    } else if (segment.feed > 0) {
        length = fastLength(to.x - at_.x, to.y - at_.y);
    }
    if (segment.feed > 0)
        trace_.feedMinutes += length / segment.feed;
    trace_.segments.push_back(segment);
    at_ = to;
}

void Simulator::moveHeads(const ProgramLine& line, Statement statement)
{
    const bool wasDown = anyDown();
    double travel = 0;
    for (size_t head = 0; head < heads_.size(); ++head) {
        HeadState& h = heads_[head];
        const auto word = std::find_if(line.words.begin(), line.words.end(),
                                       [&](const Word& w) { return w.head == static_cast<int>(head); });
        if (statement == Statement::HeadsHome) {
            h = HeadState{};
        } else if (word != line.words.end() && (statement == Statement::HeadsDown || statement == Statement::HeadsUp)) {
            h = HeadState{false, 0, statement == Statement::HeadsDown};
        } else if (word != line.words.end()) {
            travel = std::max(travel, std::fabs(word->value - (h.known ? h.z : 0)));
            h = HeadState{true, word->value, word->value < 0};
            if (statement == Statement::HeadRapid && h.down)
                problem(std::string("Head ") + machine_.headChars[head] + " goes into the post at rapid speed.");
        }
    }
    headsDown_ = std::count_if(heads_.begin(), heads_.end(), [](const HeadState& h) { return h.down; });
    if (statement == Statement::HeadFeed && headFeed_ > 0)
        trace_.plungeMinutes += travel / headFeed_;
    if (!wasDown && anyDown()) {
        cut_ = Cut{line_, 0, trace_.segments.size(), 0, false, at_, xKnown_ && yKnown_, side_};
        headUpTold_ = false;
    } else if (wasDown && !anyDown()) {
        cut_.lastLine = line_;
        cut_.endSegment = trace_.segments.size();
        trace_.cuts.push_back(cut_);
    }
}

void Simulator::callSubprogram()
{
    // The called program moves the gantry where this one cannot follow.
    cut_.subprogram = cut_.subprogram || anyDown();
    xKnown_ = yKnown_ = false;
}

ProgramTrace Simulator::finish()
{
    if (anyDown()) {
        problem("The program ends with the heads down.");
        cut_.lastLine = line_;
        cut_.endSegment = trace_.segments.size();
        trace_.cuts.push_back(cut_);
    }
    trace_.park = at_;
    trace_.parkKnown = xKnown_ && yKnown_;
    return std::move(trace_);
}

} // namespace

ProgramTrace simulateProgram(std::string_view program, const VerifyMachine& machine)
{
    const VerifyMachine plain = machine.withPlainCommands();
    Simulator simulator(plain, program.size() / 24); // about one move for every 24 bytes
    int lineNumber = 0;
    size_t start = 0;
    while (start < program.size()) {
        size_t end = program.find('\n', start);
        if (end == std::string_view::npos)
            end = program.size();
        simulator.step(++lineNumber, program.substr(start, end - start));
        start = end + 1;
    }
    return simulator.finish();
}
