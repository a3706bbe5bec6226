// The motion engine of the simulated controller: per-axis move buffers, trapezoidal speed
// profiles and a servo tick that writes the axis parameters a program or an application reads
// (DPOS, MPOS, FE, IDLE, MTYPE, NTYPE, REMAIN, MSPEED, VP_SPEED, ENDMOVE, MOVES_BUFFERED).
//
// Positions are user units as DPOS holds them; SPEED is units/s, ACCEL and DECEL units/s^2. The
// drive is perfect: MPOS follows DPOS and FE stays 0. MSPEED is the axis's own speed over the last
// tick, VP_SPEED the path (vector) speed of the move it ran, negative for REVERSE. MOVES_BUFFERED
// counts the moves waiting behind the running one; IDLE is true when there are neither.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "sim/controller.h"

namespace Simulator {

// Move types as MTYPE (the running move) and NTYPE (the next one) show them.
enum class MoveType : int {
    Idle = 0,
    MoveRel = 1,        // MOVE, MOVESP
    MoveAbs = 2,        // MOVEABS, MOVEABSSP
    MoveHelical = 3,
    Forward = 4,
    Reverse = 5,
    Datum = 6,
    Cam = 7,
    CamBox = 8,
    MoveLink = 9,
    Connect = 10,
    MoveAbsSeq = 11,
    MoveRelSeq = 12,
    MovePick = 13,
    MoveSpherical = 14,
    CamBoxMulti = 15,
    AddAx = 16,
    AddDac = 17,
    Backlash = 18,
    EncoderRatio = 19,
    StepRatio = 20,
    MoveCirc = 21,
    Regist = 22,
    PSwitch = 23,
    DefPos = 24,        // a DEFPOS waiting behind moves
};

// Where a linear move's values lead: to those positions, or that far from where the move starts.
enum class Target { Absolute, Relative };
// Normal moves cruise at SPEED; forced ones at FORCE_SPEED (and FORCE_ACCEL, FORCE_DECEL) when set.
enum class Profile { Normal, Forced };

// An arc on two axes, relative to where it starts. Direction 0 is anticlockwise, 1 clockwise.
// A non-zero `third` moves a third axis along with the arc (a helix).
struct Arc {
    double end1 = 0, end2 = 0, centre1 = 0, centre2 = 0;
    int direction = 0;
    double third = 0;
};

class MotionEngine {
public:
    // Servo: a thread ticks every SERVO_PERIOD microseconds. Manual: only Tick() moves the axes.
    enum class Clock { Servo, Manual };

    MotionEngine(Controller& controller, Clock clock = Clock::Servo);
    ~MotionEngine();
    MotionEngine(const MotionEngine&) = delete;
    MotionEngine& operator=(const MotionEngine&) = delete;

    // One servo period. Takes the controller's lock.
    void Tick();

    // Runs at the end of every tick with the lock held, given the period in seconds; while it
    // answers true the servo thread keeps ticking though no axis moves (running programs).
    using TickHook = std::function<bool(double)>;
    void SetTickHook(TickHook hook);
    // With the lock held: something wants ticks again (a program started).
    void KeepTicking();

    // Each call takes the controller's lock and answers 0 or a controller error number.
    // An axis list (base_axis, values) gives values[i] to the i-th axis from base_axis on: along
    // the base array when base_axis is in it, else base_axis, base_axis + 1, ...
    int Move(int base_axis, std::span<const double> values, Target target, Profile profile);
    // `rows` holds one row of `axes` values per move; each row is buffered as a move of `type`.
    int MoveSequence(int base_axis, int axes, std::span<const double> rows, Target target, MoveType type);
    int MoveArc(int base_axis, const Arc& arc, Profile profile, MoveType type = MoveType::MoveCirc);
    int Forward(int axis);
    int Reverse(int axis);
    int Connect(int axis, double ratio, int driving_axis);
    int Datum(int axis, int mode);
    int DefPos(int base_axis, std::span<const double> values);
    // A new end position for the running single-axis linear move of `axis`.
    int MoveModify(int axis, double position);
    // A buffered entry that holds the axis while it would cover `distance` at SPEED (one tick at
    // least), then completes: for the functions the simulation accepts without moving for them.
    int Complete(int axis, MoveType type, double distance = 0);
    int Cancel(int axis);
    // Decelerates every axis to a stop and empties the buffers; mode 0 to 2.
    int RapidStop(int mode);
    int Halt() { return RapidStop(0); }
    int SetBase(std::span<const int> axes);
    std::vector<int> Base() const;

    bool ValidAxis(int axis) const { return axis >= 0 && axis < axisCount_; }
    // The axes of an axis list; false when the list leaves the axes that exist.
    bool Axes(int base_axis, int count, std::vector<int>& axes) const;

private:
    struct Entry;   // a buffered move, shared by the buffers of the axes it moves
    struct Defs;
    static const Defs& LoadDefs();
    using Queue = std::deque<std::shared_ptr<Entry>>;

    void RegisterCommands();
    void Run();
    void TickLocked();

    int Buffer(std::shared_ptr<Entry> move);
    bool AxesLocked(int base_axis, int count, std::vector<int>& axes) const;
    bool HasRoom(const std::vector<int>& axes, std::size_t moves) const;
    int MoveLocked(int base_axis, std::span<const double> values, Target target, Profile profile,
                   MoveType type);
    int ArcLocked(int base_axis, const Arc& arc, Profile profile, MoveType type);
    int ForwardLocked(int axis, MoveType type);
    int ConnectLocked(int axis, double ratio, int driving_axis);
    int DatumLocked(int axis, int mode);
    int DefPosLocked(int base_axis, std::span<const double> values);
    int MoveModifyLocked(int axis, double position);
    int CancelLocked(int axis);
    int RapidStopLocked(int mode);
    int SetBaseLocked(std::span<const int> axes);
    int FirstBaseAxis() const { return base_.empty() ? 0 : base_.front(); }

    void Start(Entry& move);
    void StartReady();
    void Advance(Entry& move, double dt);
    void Remove(const std::shared_ptr<Entry>& move);
    void SetPosition(int axis, double position);
    void Publish(int axis);
    void PublishAll();
    double& Param(const ParameterDef* def, int axis) { return c_.Value(*def, axis); }
    double Period();   // seconds

    Controller& c_;
    const int axisCount_;
    const Defs& d_;
    std::vector<Queue> queues_;
    std::vector<int> base_;
    std::vector<double> lastPosition_;   // DPOS at the end of the previous tick
    std::vector<double> pathSpeed_;      // speed of the move each axis ran in the last tick
    std::uint64_t ticks_ = 0;
    bool settled_ = true;                // nothing moved in the last tick and nothing is buffered
    TickHook hook_;

    bool stop_ = false;
    std::condition_variable wake_;
    std::thread thread_;
};

}  // namespace Simulator
