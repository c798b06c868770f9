#include "host/io/path_data.hpp"
#include "host/io/path_point.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace tovrins::host {

namespace {

using namespace path_geometry;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Scanner {
public:
    explicit Scanner(std::string_view d) : d_(d) { }

    [[noreturn]] void fail(const std::string& what) const { failAt(what, i_); }
    // For a command letter: where the letter is, not after it.
    [[noreturn]] void failAtCommand(const std::string& what) const { failAt(what, commandAt_); }

    void skipSpace()
    {
        while (i_ < d_.size() && isSpace(d_[i_]))
            ++i_;
    }
    void skipSeparator()
    {
        skipSpace();
        if (i_ < d_.size() && d_[i_] == ',') {
            ++i_;
            skipSpace();
        }
    }
    bool atEnd()
    {
        skipSpace();
        return i_ >= d_.size();
    }
    bool atNumber()
    {
        skipSpace();
        if (i_ >= d_.size())
            return false;
        char c = d_[i_];
        return isDigit(c) || c == '-' || c == '+' || c == '.';
    }
    char command()
    {
        skipSpace();
        commandAt_ = i_;
        return d_[i_++];
    }

    double number(char cmd)
    {
        skipSpace();
        const size_t start = i_;
        size_t j = i_;
        if (j < d_.size() && (d_[j] == '+' || d_[j] == '-'))
            ++j;
        const size_t digitsStart = j;
        while (j < d_.size() && isDigit(d_[j]))
            ++j;
        bool any = j > digitsStart;
        if (j < d_.size() && d_[j] == '.') {
            ++j;
            const size_t frac = j;
            while (j < d_.size() && isDigit(d_[j]))
                ++j;
            any = any || j > frac;
        }
        if (!any)
            fail(std::string("expected a number for '") + cmd + "'");
        if (j < d_.size() && (d_[j] == 'e' || d_[j] == 'E')) {
            size_t e = j + 1;
            if (e < d_.size() && (d_[e] == '+' || d_[e] == '-'))
                ++e;
            if (e < d_.size() && isDigit(d_[e])) {
                while (e < d_.size() && isDigit(d_[e]))
                    ++e;
                j = e;
            }
        }
        const size_t from = d_[start] == '+' ? start + 1 : start;
        double v = 0;
        auto res = std::from_chars(d_.data() + from, d_.data() + j, v);
        if (res.ec != std::errc() || !fitsFloat(v))
            fail(std::string("number out of range for '") + cmd +
                 "' (more than 3.4028235e+38 in size, the largest float)");
        i_ = j;
        skipSeparator();
        return v;
    }

    // Arc flags are single characters and need no separator ("a1 1 0 00 1 1").
    bool flag(char cmd)
    {
        skipSpace();
        if (i_ >= d_.size() || (d_[i_] != '0' && d_[i_] != '1'))
            fail(std::string("expected a flag 0 or 1 for '") + cmd + "'");
        bool v = d_[i_++] == '1';
        skipSeparator();
        return v;
    }

private:
    [[noreturn]] static void failAt(const std::string& what, size_t offset)
    {
        throw PathDataError(what + " at offset " + std::to_string(offset));
    }

    std::string_view d_;
    size_t i_ = 0;
    size_t commandAt_ = 0;
};

// A command character for a message: itself when printable, else its code.
std::string quoted(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x21 && u < 0x7f)
        return std::string("'") + c + "'";
    char buf[16];
    std::snprintf(buf, sizeof buf, "byte 0x%02x", u);
    return buf;
}

class Builder {
public:
    std::vector<Subpath> paths;

    void moveTo(Pt p)
    {
        finish();
        paths.emplace_back();
        open_ = true;
        add(p);
        start_ = p;
        cur_ = p;
    }
    void lineTo(Pt p)
    {
        ensureOpen();
        add(p);
        cur_ = p;
    }
    void cubicTo(Pt c1, Pt c2, Pt p)
    {
        ensureOpen();
        paths.back().segments.back().out = real(c1);
        add(p);
        paths.back().segments.back().in = real(c2);
        cur_ = p;
    }
    void close()
    {
        Subpath& s = paths.back();
        s.closed = true;
        // A closing segment drawn explicitly back onto the start point is the
        // start anchor itself.
        if (s.segments.size() > 1) {
            const Segment& last = s.segments.back();
            const Segment& first = s.segments.front();
            if (last.p.h == first.p.h && last.p.v == first.p.v) {
                s.segments.front().in = last.in;
                s.segments.pop_back();
            }
        }
        cur_ = start_;
        open_ = false;
    }
    // Drawing after a close without a moveto starts from the closed start.
    void ensureOpen()
    {
        if (!open_) {
            Pt p = cur_;
            moveTo(p);
        }
    }
    void finish()
    {
        if (!paths.empty())
            markCorners(paths.back());
    }
    Pt current() const { return cur_; }
    void setCurrent(Pt p) { cur_ = p; }

private:
    void add(Pt p)
    {
        TvRealPoint r = real(p);
        paths.back().segments.push_back({r, r, r, true});
    }
    Pt start_, cur_;
    bool open_ = false;
};

} // namespace

namespace {

// Reads into `b`, which holds every whole segment read when an error throws;
// drawing commands open their subpath only once their arguments are read.
void read(std::string_view d, Builder& b)
{
    Scanner in(d);
    char prev = 0;  // the previous command, upper case
    Pt lastControl; // the last cubic or quadratic control point
    while (!in.atEnd()) {
        char cmd = in.command();
        const bool rel = cmd >= 'a' && cmd <= 'z';
        const char up = static_cast<char>(rel ? cmd - 'a' + 'A' : cmd);
        if (std::string_view("MLHVCSQTAZ").find(up) == std::string_view::npos)
            in.failAtCommand("unknown path command " + quoted(cmd));
        if (b.paths.empty() && up != 'M')
            in.failAtCommand("path data must begin with a moveto, not " + quoted(cmd));
        if (up == 'Z') {
            b.close();
            prev = 'Z';
            continue;
        }
        // A command letter is followed by one or more argument groups.
        bool first = true;
        do {
            const Pt o = rel ? b.current() : Pt{};
            auto point = [&] {
                double x = in.number(cmd);
                double y = in.number(cmd);
                return Pt{x, y} + o;
            };
            char done = up;
            switch (up) {
            case 'M':
                if (first) {
                    b.moveTo(point());
                } else {
                    b.lineTo(point());
                    done = 'L';
                }
                break;
            case 'L': b.lineTo(point()); break;
            case 'H': b.lineTo({in.number(cmd) + o.x, b.current().y}); break;
            case 'V': b.lineTo({b.current().x, in.number(cmd) + o.y}); break;
            case 'C': {
                Pt c1 = point(), c2 = point(), p = point();
                b.cubicTo(c1, c2, p);
                lastControl = c2;
                break;
            }
            case 'S': {
                Pt c1 = (prev == 'C' || prev == 'S') ? b.current() * 2 - lastControl : b.current();
                Pt c2 = point(), p = point();
                b.cubicTo(c1, c2, p);
                lastControl = c2;
                break;
            }
            case 'Q':
            case 'T': {
                Pt q = up == 'Q' ? point() : (prev == 'Q' || prev == 'T') ? b.current() * 2 - lastControl : b.current();
                Pt p = point();
                Pt p0 = b.current();
                b.cubicTo(p0 + (q - p0) * (2.0 / 3), p + (q - p) * (2.0 / 3), p);
                lastControl = q;
                break;
            }
            case 'A': {
                double rx = in.number(cmd), ry = in.number(cmd), rot = in.number(cmd);
                bool large = in.flag(cmd), sweep = in.flag(cmd);
                Pt p = point();
                b.ensureOpen();
                Subpath& s = b.paths.back();
                appendArc(s, real(b.current()), rx, ry, rot, large, sweep, real(p));
                b.setCurrent(p);
                break;
            }
            default: break;
            }
            prev = done;
            first = false;
        } while (in.atNumber());
    }
}

} // namespace

std::vector<Subpath> parsePathData(std::string_view d)
{
    Builder b;
    read(d, b);
    b.finish();
    return std::move(b.paths);
}

PartialPathData readPathData(std::string_view d)
{
    Builder b;
    PartialPathData out;
    try {
        read(d, b);
    } catch (const PathDataError& e) {
        out.error = e.what();
    }
    b.finish();
    out.subpaths = std::move(b.paths);
    return out;
}

} // namespace tovrins::host
