// Motion: each operation is one library call (axis first), read under the status convention; the
// speed profiles of three to nine arguments are written parameter by parameter.
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "vireo/connection_vireo.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

namespace {

using Api = LowLevelTable;

template <typename Function>
using Entry = std::atomic<Function> Api::*;

template <typename Function, typename... Args>
Result Library(Entry<Function> entry, Args... args) {
    return StatusConvention(Invoke(LowLevel().*entry, args...));
}

// The values of a multi-axis move, copied so the library never reads the caller's memory; up to
// 1024 bytes stay on the stack. A null array stays null: the library answers for it.
class ScratchValues {
public:
    ScratchValues(const double* values, std::uint32_t count) {
        if (!values) return;
        if (count <= kInline) {
            std::copy_n(values, count, inline_.begin());
            data_ = inline_.data();
        } else {
            heap_.assign(values, values + count);
            data_ = heap_.data();
        }
    }
    const double* Data() const { return data_; }

private:
    static constexpr std::uint32_t kInline = 1024 / sizeof(double);
    std::array<double, kInline> inline_;
    std::vector<double> heap_;
    const double* data_ = nullptr;
};

template <typename Function>
Result MoveCopy(Entry<Function> entry, const double* values, std::uint32_t count, std::int32_t base) {
    const ScratchValues copy(values, count);
    return Library(entry, base, static_cast<std::int32_t>(count), copy.Data());
}

template <typename Function>
Result MoveOne(Entry<Function> entry, double value, std::int32_t axis) {
    return Library(entry, axis, 1, &value);
}

// Named axis-parameter writes in a fixed order: the first failure ends the sequence, earlier
// writes stay in effect.
using AxisWrite = Result (Connection_Vireo::*)(std::int32_t, double);

constexpr AxisWrite kMotionProfile[] = {
    &Connection_Vireo::SetAxisParameter_SPEED,
    &Connection_Vireo::SetAxisParameter_ACCEL,
    &Connection_Vireo::SetAxisParameter_DECEL,
};
constexpr AxisWrite kForcedProfile[] = {
    &Connection_Vireo::SetAxisParameter_FORCE_SPEED, &Connection_Vireo::SetAxisParameter_STARTMOVE_SPEED,
    &Connection_Vireo::SetAxisParameter_ENDMOVE_SPEED, &Connection_Vireo::SetAxisParameter_FORCE_ACCEL,
    &Connection_Vireo::SetAxisParameter_FORCE_DECEL, &Connection_Vireo::SetAxisParameter_FORCE_JERK,
    &Connection_Vireo::SetAxisParameter_FORCE_RAMP,
};

template <std::size_t N>
Result WriteInOrder(Connection_Vireo& connection, const AxisWrite (&writes)[N], std::int32_t axis,
                    std::initializer_list<double> values) {
    const AxisWrite* write = writes;
    for (const double value : values) {
        const Result written = (connection.**write++)(axis, value);
        if (written != Shared::kSuccess) return written;
    }
    return Shared::kSuccess;
}

// Bit 0 always on, bits 1 and 2 never passed on.
constexpr std::int32_t PSwitchFlags(std::int32_t flags) { return (flags & ~0x6) | 0x1; }

constexpr std::int32_t kNoLink = -1;

}  // namespace


Result Connection_Vireo::SetMultiAxisBase(const std::int32_t* axes, std::uint32_t count) {
    return Library(&Api::vireo_api_set_base, count, axes);
}
Result Connection_Vireo::SetAxisBase(std::int32_t axis) { return SetMultiAxisBase(&axis, 1); }

Result Connection_Vireo::Datum(std::int32_t mode, std::int32_t axis) { return Library(&Api::vireo_api_datum, axis, mode); }
Result Connection_Vireo::Forward(std::int32_t axis) { return Library(&Api::vireo_api_forward, axis); }
Result Connection_Vireo::Reverse(std::int32_t axis) { return Library(&Api::vireo_api_reverse, axis); }
Result Connection_Vireo::RapidStop(std::int32_t mode) { return Library(&Api::vireo_api_rapid_stop, mode); }
Result Connection_Vireo::MoveModify(double position, std::int32_t axis) {
    return Library(&Api::vireo_api_movemodify, axis, position);
}

Result Connection_Vireo::DefPos(double position, std::int32_t axis) { return MoveOne(&Api::vireo_api_defpos, position, axis); }
Result Connection_Vireo::MoveAbs(double position, std::int32_t axis) { return MoveOne(&Api::vireo_api_moveabs, position, axis); }
Result Connection_Vireo::MoveRel(double distance, std::int32_t axis) { return MoveOne(&Api::vireo_api_moverel, distance, axis); }
Result Connection_Vireo::MoveAbsSp(double position, std::int32_t axis) {
    return MoveOne(&Api::vireo_api_moveabs_sp, position, axis);
}
Result Connection_Vireo::MoveRelSp(double distance, std::int32_t axis) {
    return MoveOne(&Api::vireo_api_moverel_sp, distance, axis);
}

// Setting positions needs no copy: the library has read them when it returns.
Result Connection_Vireo::DefPosMulti(const double* positions, std::uint32_t count, std::int32_t base) {
    return Library(&Api::vireo_api_defpos, base, static_cast<std::int32_t>(count), positions);
}
Result Connection_Vireo::MoveAbsMulti(const double* positions, std::uint32_t count, std::int32_t base) {
    return MoveCopy(&Api::vireo_api_moveabs, positions, count, base);
}
Result Connection_Vireo::MoveRelMulti(const double* distances, std::uint32_t count, std::int32_t base) {
    return MoveCopy(&Api::vireo_api_moverel, distances, count, base);
}
Result Connection_Vireo::MoveAbsSpMulti(const double* positions, std::uint32_t count, std::int32_t base) {
    return MoveCopy(&Api::vireo_api_moveabs_sp, positions, count, base);
}
Result Connection_Vireo::MoveRelSpMulti(const double* distances, std::uint32_t count, std::int32_t base) {
    return MoveCopy(&Api::vireo_api_moverel_sp, distances, count, base);
}

// Interpolated and profiled moves pass everything on in the caller's order.
#define KOVA_CIRC_PARAMS                                                                                   \
    (std::int32_t axis, double end1, double end2, double centre1, double centre2, std::int32_t direction, \
     double distance3, std::int32_t mode)
#define KOVA_CIRC_ARGS axis, end1, end2, centre1, centre2, direction, distance3, mode
Result Connection_Vireo::MoveCirc KOVA_CIRC_PARAMS { return Library(&Api::vireo_api_movecircular, KOVA_CIRC_ARGS); }
Result Connection_Vireo::MoveCircSp KOVA_CIRC_PARAMS { return Library(&Api::vireo_api_movecircular_sp, KOVA_CIRC_ARGS); }

#define KOVA_HELICAL_PARAMS                                                                                \
    (std::int32_t axis, double end1, double end2, double centre1, double centre2, std::int32_t direction, \
     double distance3, std::int32_t mode, double distance4, std::int32_t option)
#define KOVA_HELICAL_ARGS KOVA_CIRC_ARGS, distance4, option
Result Connection_Vireo::MoveHelical KOVA_HELICAL_PARAMS { return Library(&Api::vireo_api_movehelical, KOVA_HELICAL_ARGS); }
Result Connection_Vireo::MoveHelicalSp KOVA_HELICAL_PARAMS {
    return Library(&Api::vireo_api_movehelical_sp, KOVA_HELICAL_ARGS);
}

#define KOVA_SPHERICAL_PARAMS                                                                             \
    (std::int32_t axis, double end1, double end2, double end3, double mid1, double mid2, double mid3,    \
     std::int32_t mode, std::int32_t gpoint, double distance4, double distance5, double distance6,       \
     double distance7)
#define KOVA_SPHERICAL_ARGS \
    axis, end1, end2, end3, mid1, mid2, mid3, mode, gpoint, distance4, distance5, distance6, distance7
Result Connection_Vireo::MoveSpherical KOVA_SPHERICAL_PARAMS {
    return Library(&Api::vireo_api_movespherical, KOVA_SPHERICAL_ARGS);
}
Result Connection_Vireo::MoveSphericalSp KOVA_SPHERICAL_PARAMS {
    return Library(&Api::vireo_api_movespherical_sp, KOVA_SPHERICAL_ARGS);
}

#define KOVA_SEQ_PARAMS                                                                                   \
    (std::int32_t base, std::int32_t axes, std::int32_t tableStart, std::int32_t points, std::int32_t mode, \
     double speed, std::int32_t option, double time)
#define KOVA_SEQ_ARGS base, axes, tableStart, points, mode, speed, option, time
Result Connection_Vireo::MoveAbsSeq KOVA_SEQ_PARAMS { return Library(&Api::vireo_api_moveabsseq, KOVA_SEQ_ARGS); }
Result Connection_Vireo::MoveRelSeq KOVA_SEQ_PARAMS { return Library(&Api::vireo_api_moverelseq, KOVA_SEQ_ARGS); }

Result Connection_Vireo::MovePick(std::int32_t axis, std::int32_t mode, double p1, double p2, double p3, double p4,
                                  double p5, double p6, double p7, double p8, double p9, double p10, double p11,
                                  double p12) {
    return Library(&Api::vireo_api_movepick, axis, mode, p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12);
}

// The library wants the link axis third.
Result Connection_Vireo::MoveLink(std::int32_t axis, double distance, double linkDistance, double linkAccel,
                                  double linkDecel, std::int32_t linkAxis, std::int32_t linkOption,
                                  double linkPosition, double p9, double p10, double p11, double p12, double p13,
                                  double p14) {
    return Library(&Api::vireo_api_movelink, axis, distance, linkAxis, linkDistance, linkAccel, linkDecel, linkOption,
                   linkPosition, p9, p10, p11, p12, p13, p14);
}

#undef KOVA_CIRC_PARAMS
#undef KOVA_CIRC_ARGS
#undef KOVA_HELICAL_PARAMS
#undef KOVA_HELICAL_ARGS
#undef KOVA_SPHERICAL_PARAMS
#undef KOVA_SPHERICAL_ARGS
#undef KOVA_SEQ_PARAMS
#undef KOVA_SEQ_ARGS

// Speed profiles.
Result Connection_Vireo::SetMotion3(std::int32_t axis, double speed) {
    return WriteInOrder(*this, kMotionProfile, axis, {speed});
}
Result Connection_Vireo::SetMotion4(std::int32_t axis, double speed, double accel) {
    return WriteInOrder(*this, kMotionProfile, axis, {speed, accel});
}
Result Connection_Vireo::SetMotion5(std::int32_t axis, double speed, double accel, double decel) {
    return WriteInOrder(*this, kMotionProfile, axis, {speed, accel, decel});
}
Result Connection_Vireo::SetMotion6(std::int32_t axis, double speed, double accel, double decel, double jerk) {
    return Library(&Api::vireo_set_motion, axis, speed, accel, decel, jerk);
}

Result Connection_Vireo::SetMotionSp3(std::int32_t axis, double a) { return WriteInOrder(*this, kForcedProfile, axis, {a}); }
Result Connection_Vireo::SetMotionSp4(std::int32_t axis, double a, double b) {
    return WriteInOrder(*this, kForcedProfile, axis, {a, b});
}
Result Connection_Vireo::SetMotionSp5(std::int32_t axis, double a, double b, double c) {
    return WriteInOrder(*this, kForcedProfile, axis, {a, b, c});
}
Result Connection_Vireo::SetMotionSp6(std::int32_t axis, double a, double b, double c, double d) {
    return WriteInOrder(*this, kForcedProfile, axis, {a, b, c, d});
}
Result Connection_Vireo::SetMotionSp7(std::int32_t axis, double a, double b, double c, double d, double e) {
    return WriteInOrder(*this, kForcedProfile, axis, {a, b, c, d, e});
}
Result Connection_Vireo::SetMotionSp8(std::int32_t axis, double a, double b, double c, double d, double e, double f) {
    return WriteInOrder(*this, kForcedProfile, axis, {a, b, c, d, e, f});
}
Result Connection_Vireo::SetMotionSp9(std::int32_t axis, double a, double b, double c, double d, double e, double f,
                                      double g) {
    return WriteInOrder(*this, kForcedProfile, axis, {a, b, c, d, e, f, g});
}
Result Connection_Vireo::SetMotionSp10(std::int32_t axis, double a, double b, double c, double d, double e, double f,
                                       double g, double h) {
    return Library(&Api::vireo_set_motion_sp, axis, a, b, c, d, e, f, g, h);
}

// Linked motion, cams, gearing, registration and position switches.
Result Connection_Vireo::Connect(double ratio, std::int32_t driving, std::int32_t link, std::int32_t axis) {
    return Library(&Api::vireo_api_connect2, axis, ratio, driving, link);
}
Result Connection_Vireo::Cam(std::int32_t tableStart, std::int32_t tableEnd, double multiplier, double distance,
                             std::int32_t axis) {
    return Library(&Api::vireo_api_cam, axis, tableStart, tableEnd, multiplier, distance);
}
Result Connection_Vireo::CamBox(std::int32_t tableStart, std::int32_t tableEnd, double multiplier, double linkDistance,
                                std::int32_t linkAxis, std::int32_t linkOption, double linkPosition, double offset,
                                std::int32_t axis) {
    return Library(&Api::vireo_api_cambox, axis, tableStart, tableEnd, multiplier, linkDistance, linkAxis, linkOption,
                   linkPosition, offset);
}
Result Connection_Vireo::CamBoxMulti(std::int32_t tableStart, std::int32_t mode, std::int32_t axis) {
    return Library(&Api::vireo_api_cambox_multi, axis, tableStart, mode);
}
Result Connection_Vireo::EncoderRatio(double numerator, double denominator, std::int32_t axis) {
    return Library(&Api::vireo_api_encoder_ratio, axis, numerator, denominator);
}
Result Connection_Vireo::StepRatio(double numerator, double denominator, std::int32_t axis) {
    return Library(&Api::vireo_api_step_ratio, axis, numerator, denominator);
}

Result Connection_Vireo::AddAx3(std::int32_t linkedAxis, std::int32_t axis) {
    return Library(&Api::vireo_api_addax, linkedAxis, axis);
}
Result Connection_Vireo::AddAx2(std::int32_t axis) { return AddAx3(kNoLink, axis); }
Result Connection_Vireo::AddDac3(std::int32_t linkedAxis, std::int32_t axis) {
    return Library(&Api::vireo_api_add_dac, linkedAxis, axis);
}
Result Connection_Vireo::AddDac2(std::int32_t axis) { return AddDac3(kNoLink, axis); }

Result Connection_Vireo::Backlash(double offset, double speed, double accel, std::int32_t axis) {
    return Library(&Api::vireo_api_backlash, axis, 1, offset, speed, accel);
}
Result Connection_Vireo::BacklashDisable(std::int32_t axis) { return Library(&Api::vireo_api_backlash, axis, 0, 0.0, 0.0, 0.0); }

Result Connection_Vireo::Regist9(std::int32_t mode, std::int32_t value2, std::int32_t value3, std::int32_t value4,
                                 std::int32_t value5, std::int32_t value6, std::int32_t value7, std::int32_t axis) {
    return Library(&Api::vireo_api_regist, axis, mode, value2, value3, value4, value5, value6, value7);
}
Result Connection_Vireo::Regist3(std::int32_t mode, std::int32_t axis) { return Regist9(mode, 0, 0, 0, 0, 0, 0, axis); }

Result Connection_Vireo::PSwitch(std::int32_t pswitch, std::int32_t flags, std::int32_t axis, std::int32_t output,
                                 std::uint8_t state, double on, double off) {
    return Library(&Api::vireo_api_pswitch, pswitch, PSwitchFlags(flags), axis, output, state, on, off);
}
Result Connection_Vireo::PSwitchOff(std::int32_t pswitch, std::uint8_t value) {
    return Library(&Api::vireo_api_pswitch_off, pswitch, value);
}


}  // namespace Kova::TesselApi::Vireo
