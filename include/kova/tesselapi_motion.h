/* Motion: base axes, moves, speed profiles, linked motion, cams, registration, position switches,
   axis links and frame groups. Axes are signed 32-bit numbers; positions, distances, speeds and
   ratios are 64-bit floats. The values go to the controller unchecked. */
#ifndef KOVA_TESSELAPI_MOTION_H
#define KOVA_TESSELAPI_MOTION_H

#include "kova/tesselapi_types.h"

/* Base axes: the multi forms below move the axes of this list, in order. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetAxisBase(kova_context context, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMultiAxisBase(kova_context context, const int32_t* axes,
                                                         uint32_t count);

KOVA_EXTERN_C KOVA_API kova_result kova_Datum(kova_context context, int32_t mode, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_DefPos(kova_context context, double position, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_DefPosMulti(kova_context context, const double* positions, uint32_t count,
                                                    int32_t base);
KOVA_EXTERN_C KOVA_API kova_result kova_Forward(kova_context context, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_Reverse(kova_context context, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_RapidStop(kova_context context, int32_t mode);
/* Stops all programs and motion. */
KOVA_EXTERN_C KOVA_API kova_result kova_Halt(kova_context context);

/* Moves of one axis, and of count axes of the base list starting at base. */
KOVA_EXTERN_C KOVA_API kova_result kova_MoveRel(kova_context context, double distance, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveRelMulti(kova_context context, const double* distances,
                                                     uint32_t count, int32_t base);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveRelSp(kova_context context, double distance, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveRelSpMulti(kova_context context, const double* distances,
                                                       uint32_t count, int32_t base);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveAbs(kova_context context, double position, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveAbsMulti(kova_context context, const double* positions,
                                                     uint32_t count, int32_t base);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveAbsSp(kova_context context, double position, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveAbsSpMulti(kova_context context, const double* positions,
                                                       uint32_t count, int32_t base);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveModify(kova_context context, double position, int32_t axis);

/* Interpolated moves. */
KOVA_EXTERN_C KOVA_API kova_result kova_MoveCirc(kova_context context, int32_t axis, double end1, double end2,
                                                 double centre1, double centre2, int32_t direction,
                                                 double distance3, int32_t mode);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveCircSp(kova_context context, int32_t axis, double end1, double end2,
                                                   double centre1, double centre2, int32_t direction,
                                                   double distance3, int32_t mode);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveHelical(kova_context context, int32_t axis, double end1, double end2,
                                                    double centre1, double centre2, int32_t direction,
                                                    double distance3, int32_t mode, double distance4,
                                                    int32_t option);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveHelicalSp(kova_context context, int32_t axis, double end1,
                                                      double end2, double centre1, double centre2,
                                                      int32_t direction, double distance3, int32_t mode,
                                                      double distance4, int32_t option);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveSpherical(kova_context context, int32_t axis, double end1,
                                                      double end2, double end3, double mid1, double mid2,
                                                      double mid3, int32_t mode, int32_t gpoint,
                                                      double distance4, double distance5, double distance6,
                                                      double distance7);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveSphericalSp(kova_context context, int32_t axis, double end1,
                                                        double end2, double end3, double mid1, double mid2,
                                                        double mid3, int32_t mode, int32_t gpoint,
                                                        double distance4, double distance5, double distance6,
                                                        double distance7);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveRelSeq(kova_context context, int32_t base, int32_t axes,
                                                   int32_t table_start, int32_t points, int32_t mode, double speed,
                                                   int32_t option, double time);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveAbsSeq(kova_context context, int32_t base, int32_t axes,
                                                   int32_t table_start, int32_t points, int32_t mode, double speed,
                                                   int32_t option, double time);
KOVA_EXTERN_C KOVA_API kova_result kova_MovePick(kova_context context, int32_t axis, int32_t mode, double p1,
                                                 double p2, double p3, double p4, double p5, double p6, double p7,
                                                 double p8, double p9, double p10, double p11, double p12);
KOVA_EXTERN_C KOVA_API kova_result kova_MoveLink(kova_context context, int32_t axis, double distance,
                                                 double link_distance, double link_accel, double link_decel,
                                                 int32_t link_axis, int32_t link_option, double link_position,
                                                 double p9, double p10, double p11, double p12, double p13,
                                                 double p14);

/* Speed profiles: SetMotion3 to 5 write SPEED, ACCEL and DECEL in turn; SetMotionSp3 to 9 write
   FORCE_SPEED, STARTMOVE_SPEED, ENDMOVE_SPEED, FORCE_ACCEL, FORCE_DECEL, FORCE_JERK and FORCE_RAMP in
   turn, stopping at the first failure. SetMotion6 and SetMotionSp10 set their values in one step. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotion3(kova_context context, int32_t axis, double speed);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotion4(kova_context context, int32_t axis, double speed, double accel);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotion5(kova_context context, int32_t axis, double speed, double accel,
                                                   double decel);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotion6(kova_context context, int32_t axis, double speed, double accel,
                                                   double decel, double jerk);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp3(kova_context context, int32_t axis, double force_speed);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp4(kova_context context, int32_t axis, double force_speed,
                                                     double start_speed);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp5(kova_context context, int32_t axis, double force_speed,
                                                     double start_speed, double end_speed);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp6(kova_context context, int32_t axis, double force_speed,
                                                     double start_speed, double end_speed, double force_accel);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp7(kova_context context, int32_t axis, double force_speed,
                                                     double start_speed, double end_speed, double force_accel,
                                                     double force_decel);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp8(kova_context context, int32_t axis, double force_speed,
                                                     double start_speed, double end_speed, double force_accel,
                                                     double force_decel, double force_jerk);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp9(kova_context context, int32_t axis, double force_speed,
                                                     double start_speed, double end_speed, double force_accel,
                                                     double force_decel, double force_jerk, double force_ramp);
KOVA_EXTERN_C KOVA_API kova_result kova_SetMotionSp10(kova_context context, int32_t axis, double force_speed,
                                                      double start_speed, double end_speed, double force_accel,
                                                      double force_decel, double force_jerk, double force_ramp,
                                                      double extra);

/* Linked motion, gearing, cams and backlash; the axis comes last. */
KOVA_EXTERN_C KOVA_API kova_result kova_Connect(kova_context context, double ratio, int32_t driving, int32_t link,
                                                int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_EncoderRatio(kova_context context, double numerator, double denominator,
                                                     int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_StepRatio(kova_context context, double numerator, double denominator,
                                                  int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_Cam(kova_context context, int32_t table_start, int32_t table_end,
                                            double multiplier, double distance, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_CamBox(kova_context context, int32_t table_start, int32_t table_end,
                                               double multiplier, double link_distance, int32_t link_axis,
                                               int32_t link_option, double link_position, double offset,
                                               int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_CamBoxMulti(kova_context context, int32_t table_start, int32_t mode,
                                                    int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_Backlash(kova_context context, double offset, double speed, double accel,
                                                 int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_BacklashDisable(kova_context context, int32_t axis);

/* Axis links: the 2 forms remove the link (linked axis -1). */
KOVA_EXTERN_C KOVA_API kova_result kova_AddAx3(kova_context context, int32_t linked_axis, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_AddAx2(kova_context context, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_AddDac3(kova_context context, int32_t linked_axis, int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_AddDac2(kova_context context, int32_t axis);

/* Registration: Regist3 is Regist9 with the six further values 0. */
KOVA_EXTERN_C KOVA_API kova_result kova_Regist9(kova_context context, int32_t mode, int32_t value2, int32_t value3,
                                                int32_t value4, int32_t value5, int32_t value6, int32_t value7,
                                                int32_t axis);
KOVA_EXTERN_C KOVA_API kova_result kova_Regist3(kova_context context, int32_t mode, int32_t axis);

/* Position switches. kova_PSwitchMulti is not offered by this module. */
KOVA_EXTERN_C KOVA_API kova_result kova_PSwitch(kova_context context, int32_t pswitch, int32_t flags, int32_t axis,
                                                int32_t output, uint8_t state, double on, double off);
KOVA_EXTERN_C KOVA_API kova_result kova_PSwitchOff(kova_context context, int32_t pswitch, uint8_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_PSwitchMulti(kova_context context);

/* Frame groups. kova_GetFrameGroup5: *count holds the room in axes and becomes the number of axes of
   the group; a null axes array asks for the number only. kova_GetFrameGroup gives the value and the
   number of axes. */
KOVA_EXTERN_C KOVA_API kova_result kova_SetFrameGroup(kova_context context, int32_t group, int32_t value,
                                                      const int32_t* axes, uint32_t count);
KOVA_EXTERN_C KOVA_API kova_result kova_GetFrameGroup5(kova_context context, int32_t group, int32_t* value,
                                                       int32_t* axes, uint32_t* count);
KOVA_EXTERN_C KOVA_API kova_result kova_GetFrameGroup(kova_context context, int32_t group, int32_t* value,
                                                      uint32_t* count);
KOVA_EXTERN_C KOVA_API kova_result kova_DeleteFrameGroup(kova_context context, int32_t group);

/* Disable groups: axes that stop together when one of them fails. */
KOVA_EXTERN_C KOVA_API kova_result kova_AddDisableGroup(kova_context context, const int32_t* axes, uint32_t count);
KOVA_EXTERN_C KOVA_API kova_result kova_ClearDisableGroups(kova_context context);

#endif
