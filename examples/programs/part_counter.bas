' Counts the parts that pass the sensor on input 4 into VR(10),
' until VR(11) is set to stop counting.
VR(10) = 0
REPEAT
  WAIT UNTIL IN(4) OR VR(11) <> 0
  IF IN(4) THEN
    VR(10) = VR(10) + 1
    WAIT UNTIL NOT IN(4)
  ENDIF
UNTIL VR(11) <> 0
PRINT "parts: "; VR(10)
