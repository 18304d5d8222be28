' Lists the installed dictionaries through the dictionary system, as any
' script client would: for each, its name in English, its article count
' and whether it opens.
Option Explicit
Dim hub, dictionary, state
Set hub = CreateObject("Morvex.LexiconHub")
hub.Init
For Each dictionary In hub.MorDictColl
  dictionary.Open 0
  state = "closed"
  If dictionary.Opened = 1 Then state = "opens"
  dictionary.Close
  WScript.Echo hub.MorRegMngr.MakeDictName(dictionary, 1033) & " | " & _
    dictionary.NumOfArticles & " | " & state
Next
