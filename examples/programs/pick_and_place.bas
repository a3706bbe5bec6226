' Pick and place: axis 0 carries the gripper between the pick place (0)
' and the place place (200); axis 1 lowers it (-20) and lifts it (0).
' Output 10 closes the gripper. VR(20) counts the parts moved.
SPEED AXIS(0) = 400
SPEED AXIS(1) = 200
VR(20) = 0
FOR part = 1 TO 3
  GOSUB travel_to_pick
  GOSUB lower
  OP(10, ON)
  WA(20)
  GOSUB lift
  MOVEABS(200) AXIS(0)
  WAIT IDLE AXIS(0)
  GOSUB lower
  OP(10, OFF)
  WA(20)
  GOSUB lift
  VR(20) = VR(20) + 1
NEXT part
GOSUB travel_to_pick
STOP

travel_to_pick:
  MOVEABS(0) AXIS(0)
  WAIT IDLE AXIS(0)
  RETURN

lower:
  MOVEABS(-20) AXIS(1)
  WAIT IDLE AXIS(1)
  RETURN

lift:
  MOVEABS(0) AXIS(1)
  WAIT IDLE AXIS(1)
  RETURN
