#include "sim/motion.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>
#include <utility>

namespace Simulator {
namespace {

constexpr int kRefused = Errors::kPARAMETER_OUT_OF_RANGE;
constexpr double kInfinite = std::numeric_limits<double>::infinity();

enum class Path {
    Linear,     // straight line to the end positions, interpolated over the move's axes
    Arc,        // circle (or spiral) on two axes, optionally with a third moving along
    Velocity,   // runs until cancelled
    Follow,     // gearing to another axis's demand
    Hold,       // stays put for a while, then completes
};

bool AllFinite(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A whole number in [low, high].
bool Whole(double value, int low, int high, int& out) {
    if (!(value >= low && value <= high) || value != std::trunc(value)) return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

struct MotionEngine::Entry {
    MoveType type = MoveType::Idle;
    Path path = Path::Hold;
    std::vector<int> axes;
    std::vector<double> values;   // Linear: targets or distances; Hold for DEFPOS: the positions
    Target target = Target::Relative;
    Profile profile = Profile::Normal;
    Arc arc;
    double direction = 1;         // Velocity: +1 forward, -1 reverse
    double ratio = 0;             // Follow
    int driver = -1;
    double driverLast = 0;
    double a0 = 0, sweep = 0, r0 = 0, r1 = 0;   // Arc geometry, relative to its start

    bool started = false;
    bool cancelling = false;
    bool done = false;
    std::vector<double> start, end;
    double length = 0;            // path length; Hold: seconds to wait
    double s = 0;                 // progress along the path (Hold: seconds waited)
    double v = 0;                 // path speed at the end of the last tick
    std::uint64_t stamp = 0;      // the tick that advanced it last

    int IndexOf(int axis) const {
        return static_cast<int>(std::find(axes.begin(), axes.end(), axis) - axes.begin());
    }
};

struct MotionEngine::Defs {
    const ParameterDef *dpos, *mpos, *fe, *idle, *mtype, *ntype, *remain, *mspeed, *vpSpeed, *endmove,
        *buffered, *speed, *accel, *decel, *forceSpeed, *forceAccel, *forceDecel, *axisStatus;
    const ParameterDef *servoPeriod, *limitBuffered;
};

const MotionEngine::Defs& MotionEngine::LoadDefs() {
    static const Defs defs = [] {
        const auto axis = [](std::string_view name) { return Controller::Find(Family::Axis, name); };
        const auto system = [](std::string_view name) { return Controller::Find(Family::System, name); };
        return Defs{axis("DPOS"),        axis("MPOS"),        axis("FE"),          axis("IDLE"),
                    axis("MTYPE"),       axis("NTYPE"),       axis("REMAIN"),      axis("MSPEED"),
                    axis("VP_SPEED"),    axis("ENDMOVE"),     axis("MOVES_BUFFERED"), axis("SPEED"),
                    axis("ACCEL"),       axis("DECEL"),       axis("FORCE_SPEED"), axis("FORCE_ACCEL"),
                    axis("FORCE_DECEL"), axis("AXISSTATUS"),  system("SERVO_PERIOD"), system("LIMIT_BUFFERED")};
    }();
    return defs;
}

MotionEngine::MotionEngine(Controller& controller, Clock clock)
    : c_(controller),
      axisCount_(controller.AxisCount()),
      d_(LoadDefs()),
      queues_(static_cast<std::size_t>(axisCount_)),
      lastPosition_(static_cast<std::size_t>(axisCount_)),
      pathSpeed_(static_cast<std::size_t>(axisCount_)) {
    for (int axis = 0; axis < axisCount_; ++axis) base_.push_back(axis);
    RegisterCommands();
    {
        std::lock_guard lock(c_.Mutex());
        for (int axis = 0; axis < axisCount_; ++axis) lastPosition_[axis] = Param(d_.dpos, axis);
        PublishAll();
    }
    if (clock == Clock::Servo) thread_ = std::thread([this] { Run(); });
}

MotionEngine::~MotionEngine() {
    {
        std::lock_guard lock(c_.Mutex());
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

// --- The servo thread --------------------------------------------------------------------------

void MotionEngine::Run() {
    using Clock = std::chrono::steady_clock;
    std::unique_lock lock(c_.Mutex());
    Clock::time_point due = Clock::now();
    while (!stop_) {
        if (settled_) {
            // Nothing to move: sleep until a move arrives rather than tick for nothing.
            wake_.wait(lock, [&] { return stop_ || !settled_; });
            due = Clock::now();
            continue;
        }
        const auto period = std::chrono::microseconds(std::llround(Period() * 1e6));
        due += period;
        if (wake_.wait_until(lock, due, [&] { return stop_; })) break;
        TickLocked();
        // A coarse scheduler wakes late: the ticks it missed run back to back, so motion keeps
        // to wall time; a long stall (a debugger) is not made up.
        const Clock::time_point now = Clock::now();
        if (now - due > 100 * period) due = now;
    }
}

double MotionEngine::Period() {
    double microseconds = Param(d_.servoPeriod, 0);
    if (!std::isfinite(microseconds)) microseconds = 1000;
    return std::clamp(microseconds, 10.0, 1e6) / 1e6;
}

void MotionEngine::Tick() {
    std::lock_guard lock(c_.Mutex());
    TickLocked();
}

void MotionEngine::SetTickHook(TickHook hook) {
    std::lock_guard lock(c_.Mutex());
    hook_ = std::move(hook);
}

void MotionEngine::KeepTicking() {
    settled_ = false;
    wake_.notify_all();
}

void MotionEngine::TickLocked() {
    ++ticks_;
    const double dt = Period();
    std::fill(pathSpeed_.begin(), pathSpeed_.end(), 0.0);
    // Followers go second so that they see their driving axis's move of this very tick.
    for (const bool followers : {false, true}) {
        for (Queue& queue : queues_) {
            if (queue.empty()) continue;
            Entry& move = *queue.front();
            if (!move.started || move.stamp == ticks_ || (move.path == Path::Follow) != followers) continue;
            move.stamp = ticks_;
            Advance(move, dt);
        }
    }
    for (Queue& queue : queues_)
        while (!queue.empty() && queue.front()->done) Remove(queue.front());
    StartReady();

    bool moving = false;
    for (int axis = 0; axis < axisCount_; ++axis) {
        const double position = Param(d_.dpos, axis);
        const double speed = (position - lastPosition_[axis]) / dt;
        lastPosition_[axis] = position;
        Param(d_.mpos, axis) = position;
        Param(d_.fe, axis) = 0;
        Param(d_.mspeed, axis) = speed;
        Param(d_.vpSpeed, axis) = pathSpeed_[axis];
        if (speed != 0 || !queues_[axis].empty()) moving = true;
    }
    PublishAll();
    if (hook_ && hook_(dt)) moving = true;
    settled_ = !moving;
}

// --- Kinematics ----------------------------------------------------------------------------------

void MotionEngine::Start(Entry& move) {
    move.started = true;
    move.start.clear();
    for (int axis : move.axes) move.start.push_back(Param(d_.dpos, axis));
    move.end = move.start;
    switch (move.path) {
    case Path::Linear: {
        double squares = 0;
        for (std::size_t i = 0; i < move.axes.size(); ++i) {
            move.end[i] = move.target == Target::Absolute ? move.values[i] : move.start[i] + move.values[i];
            squares += (move.end[i] - move.start[i]) * (move.end[i] - move.start[i]);
        }
        move.length = std::sqrt(squares);
        break;
    }
    case Path::Arc:
        move.end[0] += move.arc.end1;
        move.end[1] += move.arc.end2;
        if (move.axes.size() > 2) move.end[2] += move.arc.third;
        move.length = std::hypot(move.sweep * (move.r0 + move.r1) / 2, move.arc.third);
        break;
    case Path::Velocity: move.length = kInfinite; break;
    case Path::Follow: move.driverLast = Param(d_.dpos, move.driver); break;
    case Path::Hold: break;
    }
}

void MotionEngine::StartReady() {
    for (Queue& queue : queues_) {
        if (queue.empty() || queue.front()->started) continue;
        Entry& move = *queue.front();
        // An interpolated move starts once it leads the buffer of every axis it moves.
        const bool leads = std::all_of(move.axes.begin(), move.axes.end(), [&](int axis) {
            return queues_[axis].front().get() == &move;
        });
        if (leads) Start(move);
    }
}

void MotionEngine::Advance(Entry& move, double dt) {
    const int first = move.axes.front();
    if (move.path == Path::Hold) {
        move.s += dt;
        if (move.s + 1e-12 >= move.length) {
            move.done = true;
            if (move.type == MoveType::DefPos)
                for (std::size_t i = 0; i < move.axes.size(); ++i) SetPosition(move.axes[i], move.values[i]);
        }
        return;
    }
    if (move.path == Path::Follow) {
        const double driver = Param(d_.dpos, move.driver);
        const double step = (driver - move.driverLast) * move.ratio;
        move.driverLast = driver;
        Param(d_.dpos, first) += step;
        pathSpeed_[first] = step / dt;
        return;
    }

    const bool forced = move.profile == Profile::Forced;
    const auto pick = [&](const ParameterDef* normal, const ParameterDef* force) {
        const double f = Param(force, first);
        return forced && f > 0 ? f : Param(normal, first);
    };
    const double vmax = std::max(0.0, pick(d_.speed, d_.forceSpeed));
    const double accel = pick(d_.accel, d_.forceAccel);
    const double decel = pick(d_.decel, d_.forceDecel);

    const double v = move.v;
    const double goal = move.cancelling ? 0 : vmax;
    double next = v < goal ? (accel > 0 ? std::min(goal, v + accel * dt) : goal)
                           : (decel > 0 ? std::max(goal, v - decel * dt) : goal);
    bool arrived = false;
    double step = 0;
    if (std::isfinite(move.length)) {
        const double left = move.length - move.s;
        bool braking = false;
        // Keep the speed low enough to stop at the end at DECEL: positions integrate the mean
        // speed of the tick, so a stop from v at DECEL covers exactly v^2 / 2 DECEL.
        if (decel > 0 && next * next / (2 * decel) > left - (v + next) / 2 * dt) {
            const double k = decel * dt;
            const double discriminant = k * k - 4 * decel * v * dt + 8 * decel * left;
            next = discriminant > 0 ? std::max(0.0, (std::sqrt(discriminant) - k) / 2) : 0.0;
            braking = true;
        }
        step = (v + next) / 2 * dt;
        if (step >= left || (braking && next <= 0)) {
            step = left;
            arrived = true;
        }
    } else {
        step = (v + next) / 2 * dt;
    }
    move.s += step;
    move.v = arrived ? 0 : next;
    move.done = arrived || (move.cancelling && move.v <= 0);

    const double f = move.length > 0 && std::isfinite(move.length) ? std::min(1.0, move.s / move.length) : 1.0;
    switch (move.path) {
    case Path::Linear:
        for (std::size_t i = 0; i < move.axes.size(); ++i)
            Param(d_.dpos, move.axes[i]) =
                arrived ? move.end[i] : move.start[i] + (move.end[i] - move.start[i]) * f;
        break;
    case Path::Arc:
        if (arrived) {
            for (std::size_t i = 0; i < move.axes.size(); ++i) Param(d_.dpos, move.axes[i]) = move.end[i];
        } else {
            const double sign = move.arc.direction == 0 ? 1 : -1;
            const double angle = move.a0 + sign * move.sweep * f;
            const double radius = move.r0 + (move.r1 - move.r0) * f;
            Param(d_.dpos, move.axes[0]) = move.start[0] + move.arc.centre1 + radius * std::cos(angle);
            Param(d_.dpos, move.axes[1]) = move.start[1] + move.arc.centre2 + radius * std::sin(angle);
            if (move.axes.size() > 2) Param(d_.dpos, move.axes[2]) = move.start[2] + move.arc.third * f;
        }
        break;
    case Path::Velocity: Param(d_.dpos, first) = move.start[0] + move.direction * move.s; break;
    case Path::Follow:
    case Path::Hold: break;
    }
    const double speed = step / dt * (move.path == Path::Velocity ? move.direction : 1);
    for (int axis : move.axes) pathSpeed_[axis] = speed;
}

void MotionEngine::Remove(const std::shared_ptr<Entry>& move) {
    const std::shared_ptr<Entry> keep = move;   // the reference may live in a queue we erase from
    for (int axis : keep->axes) {
        Queue& queue = queues_[axis];
        queue.erase(std::remove(queue.begin(), queue.end(), keep), queue.end());
    }
}

void MotionEngine::SetPosition(int axis, double position) {
    const double shift = position - Param(d_.dpos, axis);
    Param(d_.dpos, axis) = position;
    Param(d_.mpos, axis) = position;
    Param(d_.fe, axis) = 0;
    lastPosition_[axis] = position;   // a new origin is not a movement
    // Axes geared to this one must not see the jump either.
    for (Queue& queue : queues_)
        if (!queue.empty() && queue.front()->started && queue.front()->path == Path::Follow &&
            queue.front()->driver == axis)
            queue.front()->driverLast += shift;
}

void MotionEngine::Publish(int axis) {
    const Queue& queue = queues_[axis];
    Param(d_.idle, axis) = queue.empty() ? 1 : 0;
    Param(d_.mtype, axis) = queue.empty() ? 0 : static_cast<int>(queue[0]->type);
    Param(d_.ntype, axis) = queue.size() > 1 ? static_cast<int>(queue[1]->type) : 0;
    Param(d_.buffered, axis) = queue.size() > 1 ? static_cast<double>(queue.size() - 1) : 0;
    double remain = 0;
    if (!queue.empty() && queue[0]->started) {
        const Entry& move = *queue[0];
        if (move.path == Path::Linear || move.path == Path::Arc) {
            remain = move.length - move.s;
            Param(d_.endmove, axis) = move.end[static_cast<std::size_t>(move.IndexOf(axis))];
        }
    }
    Param(d_.remain, axis) = remain;
}

void MotionEngine::PublishAll() {
    for (int axis = 0; axis < axisCount_; ++axis) Publish(axis);
}

// --- Buffering -----------------------------------------------------------------------------------

bool MotionEngine::AxesLocked(int base_axis, int count, std::vector<int>& axes) const {
    axes.clear();
    if (count < 1 || !ValidAxis(base_axis)) return false;
    const auto at = std::find(base_.begin(), base_.end(), base_axis);
    if (at != base_.end()) {
        if (base_.end() - at < count) return false;
        axes.assign(at, at + count);
    } else {
        if (base_axis + count > axisCount_) return false;
        for (int i = 0; i < count; ++i) axes.push_back(base_axis + i);
    }
    return true;
}

bool MotionEngine::Axes(int base_axis, int count, std::vector<int>& axes) const {
    std::lock_guard lock(c_.Mutex());
    return AxesLocked(base_axis, count, axes);
}

// Each axis runs one move and holds LIMIT_BUFFERED more.
bool MotionEngine::HasRoom(const std::vector<int>& axes, std::size_t moves) const {
    const double limit = std::max(1.0, c_.Value(*d_.limitBuffered, 0));
    return std::all_of(axes.begin(), axes.end(),
                       [&](int axis) { return static_cast<double>(queues_[axis].size() + moves) <= limit + 1; });
}

int MotionEngine::Buffer(std::shared_ptr<Entry> move) {
    for (int axis : move->axes) queues_[axis].push_back(move);
    StartReady();
    for (int axis : move->axes) Publish(axis);
    settled_ = false;
    wake_.notify_all();
    return 0;
}

int MotionEngine::MoveLocked(int base_axis, std::span<const double> values, Target target, Profile profile,
                             MoveType type) {
    std::vector<int> axes;
    if (values.empty() || !AllFinite(values) || !AxesLocked(base_axis, static_cast<int>(values.size()), axes) ||
        !HasRoom(axes, 1))
        return kRefused;
    auto move = std::make_shared<Entry>();
    move->type = type;
    move->path = Path::Linear;
    move->axes = std::move(axes);
    move->values.assign(values.begin(), values.end());
    move->target = target;
    move->profile = profile;
    return Buffer(std::move(move));
}

int MotionEngine::ArcLocked(int base_axis, const Arc& arc, Profile profile, MoveType type) {
    std::vector<int> axes;
    const double numbers[] = {arc.end1, arc.end2, arc.centre1, arc.centre2, arc.third};
    if (!AllFinite(numbers) || (arc.direction != 0 && arc.direction != 1) ||
        !AxesLocked(base_axis, arc.third != 0 ? 3 : 2, axes) || !HasRoom(axes, 1))
        return kRefused;
    auto move = std::make_shared<Entry>();
    move->r0 = std::hypot(arc.centre1, arc.centre2);
    move->r1 = std::hypot(arc.end1 - arc.centre1, arc.end2 - arc.centre2);
    if (!(move->r0 > 0) || !(move->r1 > 0)) return kRefused;
    move->a0 = std::atan2(-arc.centre2, -arc.centre1);
    const double a1 = std::atan2(arc.end2 - arc.centre2, arc.end1 - arc.centre1);
    constexpr double kTurn = 2 * std::numbers::pi;
    // Ending where it starts is a full circle.
    double sweep = arc.direction == 0 ? a1 - move->a0 : move->a0 - a1;
    while (sweep <= 1e-12) sweep += kTurn;
    while (sweep > kTurn + 1e-12) sweep -= kTurn;
    move->sweep = sweep;
    move->type = type;
    move->path = Path::Arc;
    move->axes = std::move(axes);
    move->arc = arc;
    move->profile = profile;
    return Buffer(std::move(move));
}

int MotionEngine::ForwardLocked(int axis, MoveType type) {
    if (!ValidAxis(axis) || !HasRoom({axis}, 1)) return kRefused;
    auto move = std::make_shared<Entry>();
    move->type = type;
    move->path = Path::Velocity;
    move->axes = {axis};
    move->direction = type == MoveType::Reverse ? -1 : 1;
    return Buffer(std::move(move));
}

int MotionEngine::ConnectLocked(int axis, double ratio, int driving_axis) {
    if (!ValidAxis(axis) || !ValidAxis(driving_axis) || axis == driving_axis || !std::isfinite(ratio) ||
        !HasRoom({axis}, 1))
        return kRefused;
    auto move = std::make_shared<Entry>();
    move->type = MoveType::Connect;
    move->path = Path::Follow;
    move->axes = {axis};
    move->ratio = ratio;
    move->driver = driving_axis;
    return Buffer(std::move(move));
}

int MotionEngine::DatumLocked(int axis, int mode) {
    if (!ValidAxis(axis) || mode < 0 || mode > 6) return kRefused;
    if (mode == 0) {
        // Clears the latched motion errors of every axis.
        for (int a = 0; a < axisCount_; ++a) Param(d_.axisStatus, a) = 0;
        return 0;
    }
    // The simulated machine's datum switch sits at 0: the search ends there and defines it.
    const double zero = 0;
    return MoveLocked(axis, std::span(&zero, 1), Target::Absolute, Profile::Normal, MoveType::Datum);
}

int MotionEngine::DefPosLocked(int base_axis, std::span<const double> values) {
    std::vector<int> axes;
    if (values.empty() || !AllFinite(values) || !AxesLocked(base_axis, static_cast<int>(values.size()), axes))
        return kRefused;
    const bool idle = std::all_of(axes.begin(), axes.end(), [&](int axis) { return queues_[axis].empty(); });
    if (idle) {
        for (std::size_t i = 0; i < axes.size(); ++i) SetPosition(axes[i], values[i]);
        return 0;
    }
    // Behind moves it waits its turn, as a move would.
    if (!HasRoom(axes, 1)) return kRefused;
    auto move = std::make_shared<Entry>();
    move->type = MoveType::DefPos;
    move->path = Path::Hold;
    move->axes = std::move(axes);
    move->values.assign(values.begin(), values.end());
    return Buffer(std::move(move));
}

int MotionEngine::MoveModifyLocked(int axis, double position) {
    if (!ValidAxis(axis) || !std::isfinite(position)) return kRefused;
    Queue& queue = queues_[axis];
    if (queue.empty()) return 0;
    Entry& move = *queue.front();
    if (!move.started || move.path != Path::Linear || move.axes.size() != 1 || move.cancelling) return 0;
    const double now = Param(d_.dpos, axis);
    const double heading = move.end[0] - move.start[0];
    const double direction = heading != 0 ? heading : position - now;
    if ((position - now) * direction >= 0) {
        // Still ahead: the same move carries on to the new end.
        move.start[0] = now;
        move.end[0] = position;
        move.length = std::fabs(position - now);
        move.s = 0;
    } else {
        // Already passed: stop, then come back to it.
        move.cancelling = true;
        auto back = std::make_shared<Entry>();
        back->type = move.type;
        back->path = Path::Linear;
        back->axes = {axis};
        back->values = {position};
        back->target = Target::Absolute;
        back->profile = move.profile;
        queue.insert(queue.begin() + 1, std::move(back));
    }
    Publish(axis);
    return 0;
}

int MotionEngine::CancelLocked(int axis) {
    if (!ValidAxis(axis)) return kRefused;
    Queue& queue = queues_[axis];
    if (queue.empty()) return 0;
    const std::shared_ptr<Entry> move = queue.front();
    if (!move->started || move->path == Path::Follow || move->path == Path::Hold || move->v <= 0)
        Remove(move);
    else
        move->cancelling = true;
    StartReady();
    for (int a : move->axes) Publish(a);
    return 0;
}

int MotionEngine::RapidStopLocked(int mode) {
    if (mode < 0 || mode > 2) return kRefused;
    // Only moves that run stay, to decelerate; every waiting move goes from every buffer.
    for (Queue& queue : queues_) {
        if (queue.empty()) continue;
        queue.erase(queue.begin() + 1, queue.end());
        if (!queue.front()->started) queue.clear();
    }
    for (int axis = 0; axis < axisCount_; ++axis) {
        if (queues_[axis].empty()) continue;
        const std::shared_ptr<Entry> move = queues_[axis].front();
        if (move->path == Path::Follow || move->path == Path::Hold || move->v <= 0) Remove(move);
        else move->cancelling = true;
    }
    PublishAll();
    return 0;
}

int MotionEngine::SetBaseLocked(std::span<const int> axes) {
    if (axes.empty()) return kRefused;
    for (std::size_t i = 0; i < axes.size(); ++i)
        if (!ValidAxis(axes[i]) || std::find(axes.begin(), axes.begin() + static_cast<std::ptrdiff_t>(i), axes[i]) !=
                                       axes.begin() + static_cast<std::ptrdiff_t>(i))
            return kRefused;
    base_.assign(axes.begin(), axes.end());
    return 0;
}

// --- The calls from outside the language engine ------------------------------------------------------

int MotionEngine::Move(int base_axis, std::span<const double> values, Target target, Profile profile) {
    std::lock_guard lock(c_.Mutex());
    return MoveLocked(base_axis, values, target, profile,
                      target == Target::Absolute ? MoveType::MoveAbs : MoveType::MoveRel);
}

int MotionEngine::MoveSequence(int base_axis, int axes, std::span<const double> rows, Target target, MoveType type) {
    std::lock_guard lock(c_.Mutex());
    std::vector<int> list;
    if (axes < 1 || rows.empty() || rows.size() % static_cast<std::size_t>(axes) != 0 || !AllFinite(rows) ||
        !AxesLocked(base_axis, axes, list) || !HasRoom(list, rows.size() / static_cast<std::size_t>(axes)))
        return kRefused;
    for (std::size_t at = 0; at < rows.size(); at += static_cast<std::size_t>(axes)) {
        auto move = std::make_shared<Entry>();
        move->type = type;
        move->path = Path::Linear;
        move->axes = list;
        move->values.assign(rows.begin() + static_cast<std::ptrdiff_t>(at),
                            rows.begin() + static_cast<std::ptrdiff_t>(at) + axes);
        move->target = target;
        Buffer(std::move(move));
    }
    return 0;
}

int MotionEngine::MoveArc(int base_axis, const Arc& arc, Profile profile, MoveType type) {
    std::lock_guard lock(c_.Mutex());
    return ArcLocked(base_axis, arc, profile, type);
}

int MotionEngine::Forward(int axis) {
    std::lock_guard lock(c_.Mutex());
    return ForwardLocked(axis, MoveType::Forward);
}

int MotionEngine::Reverse(int axis) {
    std::lock_guard lock(c_.Mutex());
    return ForwardLocked(axis, MoveType::Reverse);
}

int MotionEngine::Connect(int axis, double ratio, int driving_axis) {
    std::lock_guard lock(c_.Mutex());
    return ConnectLocked(axis, ratio, driving_axis);
}

int MotionEngine::Datum(int axis, int mode) {
    std::lock_guard lock(c_.Mutex());
    return DatumLocked(axis, mode);
}

int MotionEngine::DefPos(int base_axis, std::span<const double> values) {
    std::lock_guard lock(c_.Mutex());
    return DefPosLocked(base_axis, values);
}

int MotionEngine::MoveModify(int axis, double position) {
    std::lock_guard lock(c_.Mutex());
    return MoveModifyLocked(axis, position);
}

int MotionEngine::Complete(int axis, MoveType type, double distance) {
    std::lock_guard lock(c_.Mutex());
    if (!ValidAxis(axis) || !HasRoom({axis}, 1)) return kRefused;
    auto move = std::make_shared<Entry>();
    move->type = type;
    move->path = Path::Hold;
    move->axes = {axis};
    const double speed = Param(d_.speed, axis);
    move->length = std::isfinite(distance) && distance > 0 && speed > 0 ? distance / speed : 0;
    return Buffer(std::move(move));
}

int MotionEngine::Cancel(int axis) {
    std::lock_guard lock(c_.Mutex());
    return CancelLocked(axis);
}

int MotionEngine::RapidStop(int mode) {
    std::lock_guard lock(c_.Mutex());
    return RapidStopLocked(mode);
}

int MotionEngine::SetBase(std::span<const int> axes) {
    std::lock_guard lock(c_.Mutex());
    return SetBaseLocked(axes);
}

std::vector<int> MotionEngine::Base() const {
    std::lock_guard lock(c_.Mutex());
    return base_;
}

// --- Command lines -------------------------------------------------------------------------------
// The language engine runs these with the lock held. Without AXIS(n) they act on the first base axis.

void MotionEngine::RegisterCommands() {
    using Values = std::vector<double>;
    const auto axisOf = [this](const CommandCall& call) { return call.axis >= 0 ? call.axis : FirstBaseAxis(); };
    // Motion commands take numbers only.
    const auto add = [this](std::string_view name, auto body) {
        c_.AddCommand(name, [body](CommandCall& call) {
            Values values;
            return call.Numbers(values) ? body(call, values) : Errors::kINVALID_MIX_OF_DATA_TYPES;
        });
    };
    const auto linear = [this, axisOf](Target target, Profile profile, MoveType type) {
        return [=, this](const CommandCall& call, const Values& values) {
            return MoveLocked(axisOf(call), values, target, profile, type);
        };
    };
    add("MOVE", linear(Target::Relative, Profile::Normal, MoveType::MoveRel));
    add("MOVEABS", linear(Target::Absolute, Profile::Normal, MoveType::MoveAbs));
    add("MOVESP", linear(Target::Relative, Profile::Forced, MoveType::MoveRel));
    add("MOVEABSSP", linear(Target::Absolute, Profile::Forced, MoveType::MoveAbs));
    add("FORWARD", [this, axisOf](const CommandCall& call, const Values& values) {
        return values.empty() ? ForwardLocked(axisOf(call), MoveType::Forward) : kRefused;
    });
    add("REVERSE", [this, axisOf](const CommandCall& call, const Values& values) {
        return values.empty() ? ForwardLocked(axisOf(call), MoveType::Reverse) : kRefused;
    });
    add("CANCEL", [this, axisOf](const CommandCall& call, const Values& values) {
        return values.empty() ? CancelLocked(axisOf(call)) : kRefused;
    });
    add("RAPIDSTOP", [this](const CommandCall&, const Values& values) {
        int mode = 0;
        if (values.size() > 1 || (values.size() == 1 && !Whole(values[0], 0, 2, mode))) return kRefused;
        return RapidStopLocked(mode);
    });
    add("HALT", [this](const CommandCall&, const Values& values) { return values.empty() ? RapidStopLocked(0) : kRefused; });
    add("DEFPOS", [this, axisOf](const CommandCall& call, const Values& values) { return DefPosLocked(axisOf(call), values); });
    add("DATUM", [this, axisOf](const CommandCall& call, const Values& values) {
        int mode = 0;
        if (values.size() != 1 || !Whole(values[0], 0, 6, mode)) return kRefused;
        return DatumLocked(axisOf(call), mode);
    });
    add("BASE", [this](const CommandCall&, const Values& values) {
        std::vector<int> axes(values.size());
        for (std::size_t i = 0; i < axes.size(); ++i)
            if (!Whole(values[i], 0, axisCount_ - 1, axes[i])) return kRefused;
        return SetBaseLocked(axes);
    });
    add("CONNECT", [this, axisOf](const CommandCall& call, const Values& values) {
        int driving = 0;
        if (values.size() != 2 || !Whole(values[1], 0, axisCount_ - 1, driving)) return kRefused;
        return ConnectLocked(axisOf(call), values[0], driving);
    });
    add("MOVECIRC", [this, axisOf](const CommandCall& call, const Values& values) {
        int direction = 0;
        if (values.size() != 5 || !Whole(values[4], 0, 1, direction)) return kRefused;
        const Arc arc{values[0], values[1], values[2], values[3], direction, 0};
        return ArcLocked(axisOf(call), arc, Profile::Normal, MoveType::MoveCirc);
    });
    add("MOVEMODIFY", [this, axisOf](const CommandCall& call, const Values& values) {
        return values.size() == 1 ? MoveModifyLocked(axisOf(call), values[0]) : kRefused;
    });
}

}  // namespace Simulator
