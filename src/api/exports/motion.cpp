// Motion: base axes, moves, speed profiles, linked motion, cams, registration, position switches,
// axis links and frame groups. The values reach the controller as given.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;

kova_result kova_SetAxisBase(kova_context h, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.SetAxisBase(axis); });
}
kova_result kova_SetMultiAxisBase(kova_context h, const int32_t* axes, uint32_t count) {
    return Call(h, [&](IConnection& c) { return c.SetMultiAxisBase(axes, count); });
}
kova_result kova_Datum(kova_context h, int32_t mode, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Datum(mode, axis); });
}
kova_result kova_DefPos(kova_context h, double position, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.DefPos(position, axis); });
}
kova_result kova_DefPosMulti(kova_context h, const double* positions, uint32_t count, int32_t base) {
    return Call(h, [&](IConnection& c) { return c.DefPosMulti(positions, count, base); });
}
kova_result kova_Forward(kova_context h, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Forward(axis); });
}
kova_result kova_Reverse(kova_context h, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Reverse(axis); });
}
kova_result kova_RapidStop(kova_context h, int32_t mode) {
    return Call(h, [&](IConnection& c) { return c.RapidStop(mode); });
}
kova_result kova_Halt(kova_context h) {
    return Call(h, [](IConnection& c) { return c.Halt(); });
}
kova_result kova_MoveRel(kova_context h, double distance, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.MoveRel(distance, axis); });
}
kova_result kova_MoveRelMulti(kova_context h, const double* distances, uint32_t count, int32_t base) {
    return Call(h, [&](IConnection& c) { return c.MoveRelMulti(distances, count, base); });
}
kova_result kova_MoveRelSp(kova_context h, double distance, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.MoveRelSp(distance, axis); });
}
kova_result kova_MoveRelSpMulti(kova_context h, const double* distances, uint32_t count, int32_t base) {
    return Call(h, [&](IConnection& c) { return c.MoveRelSpMulti(distances, count, base); });
}
kova_result kova_MoveAbs(kova_context h, double position, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.MoveAbs(position, axis); });
}
kova_result kova_MoveAbsMulti(kova_context h, const double* positions, uint32_t count, int32_t base) {
    return Call(h, [&](IConnection& c) { return c.MoveAbsMulti(positions, count, base); });
}
kova_result kova_MoveAbsSp(kova_context h, double position, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.MoveAbsSp(position, axis); });
}
kova_result kova_MoveAbsSpMulti(kova_context h, const double* positions, uint32_t count, int32_t base) {
    return Call(h, [&](IConnection& c) { return c.MoveAbsSpMulti(positions, count, base); });
}
kova_result kova_MoveModify(kova_context h, double position, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.MoveModify(position, axis); });
}
kova_result kova_MoveCirc(kova_context h, int32_t axis, double end1, double end2, double centre1, double centre2,
                          int32_t direction, double distance3, int32_t mode) {
    return Call(
        h, [&](IConnection& c) { return c.MoveCirc(axis, end1, end2, centre1, centre2, direction, distance3, mode); });
}
kova_result kova_MoveCircSp(kova_context h, int32_t axis, double end1, double end2, double centre1, double centre2,
                            int32_t direction, double distance3, int32_t mode) {
    return Call(h, [&](IConnection& c) {
        return c.MoveCircSp(axis, end1, end2, centre1, centre2, direction, distance3, mode);
    });
}
kova_result kova_MoveHelical(kova_context h, int32_t axis, double end1, double end2, double centre1, double centre2,
                             int32_t direction, double distance3, int32_t mode, double distance4, int32_t option) {
    return Call(h, [&](IConnection& c) {
        return c.MoveHelical(axis, end1, end2, centre1, centre2, direction, distance3, mode, distance4, option);
    });
}
kova_result kova_MoveHelicalSp(kova_context h, int32_t axis, double end1, double end2, double centre1, double centre2,
                               int32_t direction, double distance3, int32_t mode, double distance4, int32_t option) {
    return Call(h, [&](IConnection& c) {
        return c.MoveHelicalSp(axis, end1, end2, centre1, centre2, direction, distance3, mode, distance4, option);
    });
}
kova_result kova_MoveSpherical(kova_context h, int32_t axis, double end1, double end2, double end3, double mid1,
                               double mid2, double mid3, int32_t mode, int32_t gpoint, double distance4,
                               double distance5, double distance6, double distance7) {
    return Call(h, [&](IConnection& c) {
        return c.MoveSpherical(axis, end1, end2, end3, mid1, mid2, mid3, mode, gpoint, distance4, distance5, distance6,
                               distance7);
    });
}
kova_result kova_MoveSphericalSp(kova_context h, int32_t axis, double end1, double end2, double end3, double mid1,
                                 double mid2, double mid3, int32_t mode, int32_t gpoint, double distance4,
                                 double distance5, double distance6, double distance7) {
    return Call(h, [&](IConnection& c) {
        return c.MoveSphericalSp(axis, end1, end2, end3, mid1, mid2, mid3, mode, gpoint, distance4, distance5,
                                 distance6, distance7);
    });
}
kova_result kova_MoveRelSeq(kova_context h, int32_t base, int32_t axes, int32_t tableStart, int32_t points,
                            int32_t mode, double speed, int32_t option, double time) {
    return Call(
        h, [&](IConnection& c) { return c.MoveRelSeq(base, axes, tableStart, points, mode, speed, option, time); });
}
kova_result kova_MoveAbsSeq(kova_context h, int32_t base, int32_t axes, int32_t tableStart, int32_t points,
                            int32_t mode, double speed, int32_t option, double time) {
    return Call(
        h, [&](IConnection& c) { return c.MoveAbsSeq(base, axes, tableStart, points, mode, speed, option, time); });
}
kova_result kova_MovePick(kova_context h, int32_t axis, int32_t mode, double p1, double p2, double p3, double p4,
                          double p5, double p6, double p7, double p8, double p9, double p10, double p11, double p12) {
    return Call(
        h, [&](IConnection& c) { return c.MovePick(axis, mode, p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12); });
}
kova_result kova_MoveLink(kova_context h, int32_t axis, double distance, double linkDistance, double linkAccel,
                          double linkDecel, int32_t linkAxis, int32_t linkOption, double linkPosition, double p9,
                          double p10, double p11, double p12, double p13, double p14) {
    return Call(h, [&](IConnection& c) {
        return c.MoveLink(axis, distance, linkDistance, linkAccel, linkDecel, linkAxis, linkOption, linkPosition, p9,
                          p10, p11, p12, p13, p14);
    });
}
kova_result kova_SetMotion3(kova_context h, int32_t axis, double speed) {
    return Call(h, [&](IConnection& c) { return c.SetMotion3(axis, speed); });
}
kova_result kova_SetMotion4(kova_context h, int32_t axis, double speed, double accel) {
    return Call(h, [&](IConnection& c) { return c.SetMotion4(axis, speed, accel); });
}
kova_result kova_SetMotion5(kova_context h, int32_t axis, double speed, double accel, double decel) {
    return Call(h, [&](IConnection& c) { return c.SetMotion5(axis, speed, accel, decel); });
}
kova_result kova_SetMotion6(kova_context h, int32_t axis, double speed, double accel, double decel, double jerk) {
    return Call(h, [&](IConnection& c) { return c.SetMotion6(axis, speed, accel, decel, jerk); });
}
kova_result kova_SetMotionSp3(kova_context h, int32_t axis, double forceSpeed) {
    return Call(h, [&](IConnection& c) { return c.SetMotionSp3(axis, forceSpeed); });
}
kova_result kova_SetMotionSp4(kova_context h, int32_t axis, double forceSpeed, double startSpeed) {
    return Call(h, [&](IConnection& c) { return c.SetMotionSp4(axis, forceSpeed, startSpeed); });
}
kova_result kova_SetMotionSp5(kova_context h, int32_t axis, double forceSpeed, double startSpeed, double endSpeed) {
    return Call(h, [&](IConnection& c) { return c.SetMotionSp5(axis, forceSpeed, startSpeed, endSpeed); });
}
kova_result kova_SetMotionSp6(kova_context h, int32_t axis, double forceSpeed, double startSpeed, double endSpeed,
                              double forceAccel) {
    return Call(h, [&](IConnection& c) { return c.SetMotionSp6(axis, forceSpeed, startSpeed, endSpeed, forceAccel); });
}
kova_result kova_SetMotionSp7(kova_context h, int32_t axis, double forceSpeed, double startSpeed, double endSpeed,
                              double forceAccel, double forceDecel) {
    return Call(h, [&](IConnection& c) {
        return c.SetMotionSp7(axis, forceSpeed, startSpeed, endSpeed, forceAccel, forceDecel);
    });
}
kova_result kova_SetMotionSp8(kova_context h, int32_t axis, double forceSpeed, double startSpeed, double endSpeed,
                              double forceAccel, double forceDecel, double forceJerk) {
    return Call(h, [&](IConnection& c) {
        return c.SetMotionSp8(axis, forceSpeed, startSpeed, endSpeed, forceAccel, forceDecel, forceJerk);
    });
}
kova_result kova_SetMotionSp9(kova_context h, int32_t axis, double forceSpeed, double startSpeed, double endSpeed,
                              double forceAccel, double forceDecel, double forceJerk, double forceRamp) {
    return Call(h, [&](IConnection& c) {
        return c.SetMotionSp9(axis, forceSpeed, startSpeed, endSpeed, forceAccel, forceDecel, forceJerk, forceRamp);
    });
}
kova_result kova_SetMotionSp10(kova_context h, int32_t axis, double forceSpeed, double startSpeed, double endSpeed,
                               double forceAccel, double forceDecel, double forceJerk, double forceRamp, double extra) {
    return Call(h, [&](IConnection& c) {
        return c.SetMotionSp10(axis, forceSpeed, startSpeed, endSpeed, forceAccel, forceDecel, forceJerk, forceRamp,
                               extra);
    });
}
kova_result kova_Connect(kova_context h, double ratio, int32_t driving, int32_t link, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Connect(ratio, driving, link, axis); });
}
kova_result kova_EncoderRatio(kova_context h, double numerator, double denominator, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.EncoderRatio(numerator, denominator, axis); });
}
kova_result kova_StepRatio(kova_context h, double numerator, double denominator, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.StepRatio(numerator, denominator, axis); });
}
kova_result kova_Cam(kova_context h, int32_t tableStart, int32_t tableEnd, double multiplier, double distance,
                     int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Cam(tableStart, tableEnd, multiplier, distance, axis); });
}
kova_result kova_CamBox(kova_context h, int32_t tableStart, int32_t tableEnd, double multiplier, double linkDistance,
                        int32_t linkAxis, int32_t linkOption, double linkPosition, double offset, int32_t axis) {
    return Call(h, [&](IConnection& c) {
        return c.CamBox(tableStart, tableEnd, multiplier, linkDistance, linkAxis, linkOption, linkPosition, offset,
                        axis);
    });
}
kova_result kova_CamBoxMulti(kova_context h, int32_t tableStart, int32_t mode, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.CamBoxMulti(tableStart, mode, axis); });
}
kova_result kova_Backlash(kova_context h, double offset, double speed, double accel, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Backlash(offset, speed, accel, axis); });
}
kova_result kova_BacklashDisable(kova_context h, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.BacklashDisable(axis); });
}
kova_result kova_AddAx3(kova_context h, int32_t linkedAxis, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.AddAx3(linkedAxis, axis); });
}
kova_result kova_AddAx2(kova_context h, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.AddAx2(axis); });
}
kova_result kova_AddDac3(kova_context h, int32_t linkedAxis, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.AddDac3(linkedAxis, axis); });
}
kova_result kova_AddDac2(kova_context h, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.AddDac2(axis); });
}
kova_result kova_Regist9(kova_context h, int32_t mode, int32_t value2, int32_t value3, int32_t value4, int32_t value5,
                         int32_t value6, int32_t value7, int32_t axis) {
    return Call(h,
                [&](IConnection& c) { return c.Regist9(mode, value2, value3, value4, value5, value6, value7, axis); });
}
kova_result kova_Regist3(kova_context h, int32_t mode, int32_t axis) {
    return Call(h, [&](IConnection& c) { return c.Regist3(mode, axis); });
}
kova_result kova_PSwitch(kova_context h, int32_t pswitch, int32_t flags, int32_t axis, int32_t output, uint8_t state,
                         double on, double off) {
    return Call(h, [&](IConnection& c) { return c.PSwitch(pswitch, flags, axis, output, state, on, off); });
}
kova_result kova_PSwitchOff(kova_context h, int32_t pswitch, uint8_t value) {
    return Call(h, [&](IConnection& c) { return c.PSwitchOff(pswitch, value); });
}
kova_result kova_PSwitchMulti(kova_context h) {
    return Call(h, [](IConnection& c) { return c.PSwitchMulti(); });
}

// Frame groups: the getters write through their value and count pointers.
kova_result kova_SetFrameGroup(kova_context h, int32_t group, int32_t value, const int32_t* axes, uint32_t count) {
    return Call(h, [&](IConnection& c) { return c.SetFrameGroup(group, value, axes, count); });
}
kova_result kova_GetFrameGroup5(kova_context h, int32_t group, int32_t* value, int32_t* axes, uint32_t* count) {
    return Call(h, {value, count}, [&](IConnection& c) { return c.GetFrameGroup5(group, *value, axes, *count); });
}
kova_result kova_GetFrameGroup(kova_context h, int32_t group, int32_t* value, uint32_t* count) {
    return Call(h, {value, count}, [&](IConnection& c) { return c.GetFrameGroup(group, *value, *count); });
}
kova_result kova_DeleteFrameGroup(kova_context h, int32_t group) {
    return Call(h, [&](IConnection& c) { return c.DeleteFrameGroup(group); });
}
kova_result kova_AddDisableGroup(kova_context h, const int32_t* axes, uint32_t count) {
    return Call(h, [&](IConnection& c) { return c.AddDisableGroup(axes, count); });
}
kova_result kova_ClearDisableGroups(kova_context h) {
    return Call(h, [](IConnection& c) { return c.ClearDisableGroups(); });
}
