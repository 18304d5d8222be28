' A script client of the dictionary system, as a user's script drives it.
' Arguments: the engine's data directory and a dictionary file it may edit.
' Every step writes a line with the error it met (0 for none), so the test
' that runs it sees where a run went wrong.
Option Explicit
On Error Resume Next
Dim hub, dictionary, copy

Sub Report(step)
  WScript.Echo step & " " & Hex(Err.Number) & " " & Err.Source & ":" & Err.Description
  Err.Clear
End Sub

Set hub = CreateObject("Morvex.LexiconHub")
hub.PathToData = WScript.Arguments(0) & "\"
hub.Init
Report "Init"
WScript.Echo "Active " & hub.Active
For Each dictionary In hub.MorDictColl
  WScript.Echo "Dictionary " & hub.MorRegMngr.MakeDictName(dictionary, 1033) & " " & _
    dictionary.NumOfArticles & " " & dictionary.Opened
Next
Report "Listing"

Set copy = CreateObject("LexiconHub.VelDictionary")
copy.AccessMode = 2
copy.DicFileName = WScript.Arguments(1)
copy.Open 1
Report "Open"
WScript.Echo "Opened " & copy.Opened
copy.EditWord "house", "N home"
copy.Delete "dog"
Report "Edit"
WScript.Echo "Articles " & copy.NumOfArticles
copy.Close
WScript.Echo "Opened " & copy.Opened
copy.Close
Report "Close"
hub.Exit
Report "Exit"
