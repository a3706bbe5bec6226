// The motion functions of vireo_api_x64, served by the simulation's motion engine. The library
// judges what it can (an open controller, pointers, axes that exist); the controller judges values.
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/controller.h"
#include "sim/motion.h"
#include "stand_in/session.h"
#include "vireo_api.h"

namespace {

using Simulator::Arc;
using Simulator::Controller;
using Simulator::Family;
using Simulator::MotionEngine;
using Simulator::MoveType;
using Simulator::Profile;
using Simulator::Target;
namespace Errors = Simulator::Errors;

using StandIn::kBadArgument;
using StandIn::Simulation;

constexpr int kPositionSwitches = 16;

template <typename Run>
int32_t WithEngine(Run run) {
    return StandIn::WithSimulation([&](Simulation& simulation) { return run(simulation.motion, simulation.controller); });
}

// For a function on one axis: the axis must exist before the controller sees the call.
template <typename Run>
int32_t OnAxis(int32_t axis, Run run) {
    return WithEngine([&](MotionEngine& motion, Controller& controller) {
        return motion.ValidAxis(axis) ? run(motion, controller) : kBadArgument;
    });
}

int32_t AxisList(int32_t base_axis, int32_t count, const double* values, Target target, Profile profile) {
    if (count > 0 && !values) return kBadArgument;
    return WithEngine([&](MotionEngine& motion, Controller&) {
        std::vector<int> axes;
        if (count > 0 && !motion.Axes(base_axis, count, axes)) return kBadArgument;
        return motion.Move(base_axis, std::span(values, count > 0 ? static_cast<std::size_t>(count) : 0), target,
                           profile);
    });
}

bool TableRange(std::int64_t first, std::int64_t count) {
    return first >= 0 && count >= 1 && first + count <= Simulator::kTableSize;
}

// The points of a sequence come from TABLE memory, one row of `axes` values per point.
int32_t Sequence(int32_t base_axis, int32_t axes, int32_t table_start, int32_t points, Target target, MoveType type) {
    return WithEngine([&](MotionEngine& motion, Controller& controller) {
        std::vector<int> list;
        if (!motion.Axes(base_axis, axes, list)) return kBadArgument;
        const std::int64_t count = std::int64_t{points} * axes;
        if (!TableRange(table_start, count)) return Errors::kPARAMETER_OUT_OF_RANGE;
        std::vector<double> rows(static_cast<std::size_t>(count));
        const int status = controller.GetTable(static_cast<std::uint32_t>(table_start),
                                               static_cast<std::uint32_t>(count), rows.data());
        return status != 0 ? status : motion.MoveSequence(base_axis, axes, rows, target, type);
    });
}

int32_t Circle(int32_t axis, const Arc& arc, Profile profile, MoveType type) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) { return motion.MoveArc(axis, arc, profile, type); });
}

int32_t Accept(int32_t axis, MoveType type, double distance = 0) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) { return motion.Complete(axis, type, distance); });
}

bool LinkedAxis(const MotionEngine& motion, int32_t linked) { return linked == -1 || motion.ValidAxis(linked); }

int32_t Ratio(int32_t axis, double numerator, double denominator, MoveType type) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        if (!std::isfinite(numerator) || !std::isfinite(denominator) || denominator == 0)
            return Errors::kPARAMETER_OUT_OF_RANGE;
        return motion.Complete(axis, type);
    });
}

// Axis parameters written in order; the first refusal ends the sequence.
int32_t WriteAxis(int32_t axis, std::span<const std::string_view> names, std::span<const double> values) {
    return OnAxis(axis, [&](MotionEngine&, Controller& controller) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            const Simulator::ParameterDef* def = Controller::Find(Family::Axis, names[i]);
            const int status = controller.SetParameter(Family::Axis, def->id, axis, values[i]);
            if (status != 0) return status;
        }
        return 0;
    });
}

}  // namespace

extern "C" {

int32_t vireo_api_moveabs(int32_t base_axis, int32_t count, const double* values) {
    return AxisList(base_axis, count, values, Target::Absolute, Profile::Normal);
}
int32_t vireo_api_moverel(int32_t base_axis, int32_t count, const double* values) {
    return AxisList(base_axis, count, values, Target::Relative, Profile::Normal);
}
int32_t vireo_api_moveabs_sp(int32_t base_axis, int32_t count, const double* values) {
    return AxisList(base_axis, count, values, Target::Absolute, Profile::Forced);
}
int32_t vireo_api_moverel_sp(int32_t base_axis, int32_t count, const double* values) {
    return AxisList(base_axis, count, values, Target::Relative, Profile::Forced);
}

int32_t vireo_api_moveabsseq(int32_t base_axis, int32_t axes, int32_t table_start, int32_t points, int32_t, double,
                             int32_t, double) {
    return Sequence(base_axis, axes, table_start, points, Target::Absolute, MoveType::MoveAbsSeq);
}
int32_t vireo_api_moverelseq(int32_t base_axis, int32_t axes, int32_t table_start, int32_t points, int32_t, double,
                             int32_t, double) {
    return Sequence(base_axis, axes, table_start, points, Target::Relative, MoveType::MoveRelSeq);
}

int32_t vireo_api_movecircular(int32_t axis, double end1, double end2, double centre1, double centre2,
                               int32_t direction, double, int32_t) {
    return Circle(axis, {end1, end2, centre1, centre2, direction, 0}, Profile::Normal, MoveType::MoveCirc);
}
int32_t vireo_api_movecircular_sp(int32_t axis, double end1, double end2, double centre1, double centre2,
                                  int32_t direction, double, int32_t) {
    return Circle(axis, {end1, end2, centre1, centre2, direction, 0}, Profile::Forced, MoveType::MoveCirc);
}
int32_t vireo_api_movehelical(int32_t axis, double end1, double end2, double centre1, double centre2,
                              int32_t direction, double distance3, int32_t, double, int32_t) {
    return Circle(axis, {end1, end2, centre1, centre2, direction, distance3}, Profile::Normal, MoveType::MoveHelical);
}
int32_t vireo_api_movehelical_sp(int32_t axis, double end1, double end2, double centre1, double centre2,
                                 int32_t direction, double distance3, int32_t, double, int32_t) {
    return Circle(axis, {end1, end2, centre1, centre2, direction, distance3}, Profile::Forced, MoveType::MoveHelical);
}

int32_t vireo_api_movespherical(int32_t axis, double, double, double, double, double, double, int32_t, int32_t,
                                double, double, double, double) {
    return Accept(axis, MoveType::MoveSpherical);
}
int32_t vireo_api_movespherical_sp(int32_t axis, double, double, double, double, double, double, int32_t, int32_t,
                                   double, double, double, double) {
    return Accept(axis, MoveType::MoveSpherical);
}

int32_t vireo_api_movelink(int32_t axis, double, int32_t link_axis, double, double, double, int32_t, double, double,
                           double, double, double, double, double) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        return motion.ValidAxis(link_axis) ? motion.Complete(axis, MoveType::MoveLink) : kBadArgument;
    });
}

int32_t vireo_api_movemodify(int32_t axis, double position) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) { return motion.MoveModify(axis, position); });
}

int32_t vireo_api_movepick(int32_t axis, int32_t, double, double, double, double, double, double, double, double,
                           double, double, double, double) {
    return Accept(axis, MoveType::MovePick);
}

int32_t vireo_set_motion(int32_t axis, double speed, double accel, double decel, double jerk) {
    static constexpr std::string_view kNames[] = {"SPEED", "ACCEL", "DECEL", "JERK"};
    const double values[] = {speed, accel, decel, jerk};
    return WriteAxis(axis, kNames, values);
}

int32_t vireo_set_motion_sp(int32_t axis, double force_speed, double start_speed, double end_speed,
                            double force_accel, double force_decel, double force_jerk, double force_ramp, double) {
    static constexpr std::string_view kNames[] = {"FORCE_SPEED", "STARTMOVE_SPEED", "ENDMOVE_SPEED", "FORCE_ACCEL",
                                                  "FORCE_DECEL", "FORCE_JERK",      "FORCE_RAMP"};
    const double values[] = {force_speed, start_speed, end_speed, force_accel, force_decel, force_jerk, force_ramp};
    return WriteAxis(axis, kNames, values);
}

// A cam runs over `distance` of the axis's own travel at SPEED.
int32_t vireo_api_cam(int32_t axis, int32_t table_start, int32_t table_end, double, double distance) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        if (!TableRange(table_start, 1) || !TableRange(table_end, 1)) return Errors::kPARAMETER_OUT_OF_RANGE;
        return motion.Complete(axis, MoveType::Cam, std::fabs(distance));
    });
}

int32_t vireo_api_cambox(int32_t axis, int32_t table_start, int32_t table_end, double, double, int32_t link_axis,
                         int32_t, double, double) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        if (!motion.ValidAxis(link_axis)) return kBadArgument;
        if (!TableRange(table_start, 1) || !TableRange(table_end, 1)) return Errors::kPARAMETER_OUT_OF_RANGE;
        return motion.Complete(axis, MoveType::CamBox);
    });
}

int32_t vireo_api_cambox_multi(int32_t axis, int32_t table_start, int32_t) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        return TableRange(table_start, 1) ? motion.Complete(axis, MoveType::CamBoxMulti) : Errors::kPARAMETER_OUT_OF_RANGE;
    });
}

int32_t vireo_api_connect2(int32_t axis, double ratio, int32_t driving_axis, int32_t) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        return motion.ValidAxis(driving_axis) ? motion.Connect(axis, ratio, driving_axis) : kBadArgument;
    });
}

int32_t vireo_api_datum(int32_t axis, int32_t mode) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) { return motion.Datum(axis, mode); });
}

int32_t vireo_api_defpos(int32_t base_axis, int32_t count, const double* values) {
    if (count > 0 && !values) return kBadArgument;
    return WithEngine([&](MotionEngine& motion, Controller&) {
        std::vector<int> axes;
        if (count > 0 && !motion.Axes(base_axis, count, axes)) return kBadArgument;
        return motion.DefPos(base_axis, std::span(values, count > 0 ? static_cast<std::size_t>(count) : 0));
    });
}

int32_t vireo_api_forward(int32_t axis) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) { return motion.Forward(axis); });
}
int32_t vireo_api_reverse(int32_t axis) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) { return motion.Reverse(axis); });
}

int32_t vireo_api_rapid_stop(int32_t mode) {
    return WithEngine([&](MotionEngine& motion, Controller&) { return motion.RapidStop(mode); });
}

int32_t vireo_api_set_base(uint32_t count, const int32_t* axes) {
    if (count > 0 && !axes) return kBadArgument;
    return WithEngine([&](MotionEngine& motion, Controller& controller) {
        // More axes than exist cannot all be different; the list is not read.
        if (count > static_cast<uint32_t>(controller.AxisCount())) return Errors::kPARAMETER_OUT_OF_RANGE;
        const std::span<const int32_t> list(axes, count);
        for (int32_t axis : list)
            if (!motion.ValidAxis(axis)) return kBadArgument;
        return motion.SetBase(std::vector<int>(list.begin(), list.end()));
    });
}

int32_t vireo_api_addax(int32_t linked_axis, int32_t axis) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        return LinkedAxis(motion, linked_axis) ? motion.Complete(axis, MoveType::AddAx) : kBadArgument;
    });
}
int32_t vireo_api_add_dac(int32_t linked_axis, int32_t axis) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        return LinkedAxis(motion, linked_axis) ? motion.Complete(axis, MoveType::AddDac) : kBadArgument;
    });
}

int32_t vireo_api_backlash(int32_t axis, int32_t, double, double, double) { return Accept(axis, MoveType::Backlash); }

int32_t vireo_api_encoder_ratio(int32_t axis, double numerator, double denominator) {
    return Ratio(axis, numerator, denominator, MoveType::EncoderRatio);
}
int32_t vireo_api_step_ratio(int32_t axis, double numerator, double denominator) {
    return Ratio(axis, numerator, denominator, MoveType::StepRatio);
}

int32_t vireo_api_regist(int32_t axis, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    return Accept(axis, MoveType::Regist);
}

int32_t vireo_api_pswitch(int32_t pswitch, int32_t, int32_t axis, int32_t output, uint8_t, double on_position,
                          double off_position) {
    return OnAxis(axis, [&](MotionEngine& motion, Controller&) {
        if (pswitch < 0 || pswitch >= kPositionSwitches || output < 0 ||
            output >= static_cast<int32_t>(Simulator::kDigitalPoints) || !std::isfinite(on_position) ||
            !std::isfinite(off_position))
            return Errors::kPARAMETER_OUT_OF_RANGE;
        return motion.Complete(axis, MoveType::PSwitch);
    });
}

int32_t vireo_api_pswitch_off(int32_t pswitch, uint8_t) {
    return WithEngine([&](MotionEngine&, Controller&) {
        return pswitch >= 0 && pswitch < kPositionSwitches ? 0 : Errors::kPARAMETER_OUT_OF_RANGE;
    });
}

// Stops the programs as well as the axes, as the HALT command does.
int32_t vireo_api_halt(void) {
    return WithEngine([](MotionEngine&, Controller& controller) {
        std::string reply;
        return controller.Execute("HALT", reply);
    });
}

}  // extern "C"
