' The control through the platform's automation: created by its ProgID, its
' Speed property and its methods reached by name through our type library and
' dispatch interface. Each failed check is reported and sets the exit code.
Option Explicit
Dim failures : failures = 0

Sub Check(ok, what)
    If ok Then
        WScript.Echo "ok: " & what
    Else
        WScript.Echo "FAILED: " & what
        failures = failures + 1
    End If
End Sub

Dim life
Set life = CreateObject("CELLORA.GameOfLifeCtrl.1")
Check TypeName(life) = "_DGameOfLife", "the object's type name comes from the type library (" & TypeName(life) & ")"
Check life.Speed = 100, "Speed of a new control reads 100 (" & life.Speed & ")"
Check VarType(life.Speed) = vbInteger, "Speed is a 16-bit integer"
life.Speed = 50
Check life.Speed = 50, "Speed = 50 reads back 50 (" & life.Speed & ")"
life.Speed = -1
Check life.Speed = -1, "a negative Speed is kept as written (" & life.Speed & ")"

On Error Resume Next
life.StartLife
Check Err.Number = 0, "StartLife succeeds (" & Hex(Err.Number) & ")"
Err.Clear
life.StartLife
Check Err.Number = 0, "StartLife on a running control succeeds"
Err.Clear
life.StopLife
Check Err.Number = 0, "StopLife succeeds (" & Hex(Err.Number) & ")"
Err.Clear
life.StopLife
Check Err.Number = 0, "StopLife on a stopped control succeeds"
Err.Clear
life.Generation = 3
Check Err.Number = 438, "an unknown member fails with error 438 (" & Err.Number & ": " & Err.Description & ")"
Err.Clear
life.Speed = "fast"
Check Err.Number = 13, "a Speed that is no number fails with a type mismatch (" & Err.Number & ")"
Err.Clear
life.Speed = 40000
Check Err.Number = 6, "a Speed beyond 16 bits fails with an overflow (" & Err.Number & ")"
Err.Clear
Check life.Speed = -1, "a refused Speed leaves the old value (" & life.Speed & ")"
On Error GoTo 0

Set life = Nothing
WScript.Quit failures
