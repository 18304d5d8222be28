// How a table-language document (a single table, CVars, or a table set,
// CVal) is opened: from its compiled file when that is sound, otherwise from
// its text source, which is then compiled for the next start.
//
// The compiled file is accepted only when it reads to its exact end and
// holds something; a missing, damaged, truncated or empty one sends Open to
// the source (the path's extension replaced by ".txt"). A source that yields
// something is compiled into a temporary file beside the compiled file and
// moved into place only when every write succeeded. When that cannot be done
// (a directory that cannot be written, a full disk) the document still opens
// with what the source gave, and the next start reads the source again.
//
// Internal to MorvexBase: CVars::Open and CVal::Open.
#pragma once

class MCFile;
class MCString;
class MCStringArray;

// What opening needs of a document.
class TableDocument {
 public:
  virtual ~TableDocument() = default;
  // Appends the compiled record at the file's position; 1 or 0 (and nothing
  // appended).
  virtual int Read(MCFile& file) = 0;
  // 1 when the whole compiled record was written.
  virtual int Write(MCFile& file) = 0;
  // Appends what the source lines define.
  virtual void Parse(MCStringArray& lines) = 0;
  virtual bool HoldsNothing() const = 0;
  // Frees the contents; the opened flag is the document's own.
  virtual void Clear() = 0;
};

// Fills the (unopened) document from path. True when it holds the file's
// contents; false when neither a sound compiled file nor a readable source
// with all its includes exists (the document is then empty).
bool OpenTableDocument(const MCString& path, TableDocument& document);
