// The saved configuration dump: which form the text is in, where its rows
// are, and the rows themselves.  Text around the dump (a forum post, the rest
// of a report, lspci's other devices) is passed over; a line that starts
// like a dump row but is not one is an error, since decoding a register
// table from a half-read row would mislead.
#include "pci/config_dump.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "pci/hex_digit.h"

namespace {

const unsigned ROW_BYTES = 16;
const unsigned DUMP_BYTES = 256;
// The column header above korvalt's dump rows, without its three leading
// blanks.
const char COLUMN_HEADER[] = "+0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F";

struct Line {
  const char* begin;
  const char* end;  // trailing blanks and the carriage return of a DOS file cut off
  unsigned number;
};

// The lines of the text, one at a time.
struct LineReader {
  const char* next;
  const char* text_end;
  unsigned number;
};

bool ReadLine(LineReader* reader, Line* line) {
  if (reader->next >= reader->text_end)
    return false;
  const char* begin = reader->next;
  const void* newline = std::memchr(begin, '\n', static_cast<size_t>(reader->text_end - begin));
  const char* end = newline != nullptr ? static_cast<const char*>(newline) : reader->text_end;
  reader->next = newline != nullptr ? end + 1 : end;
  while (end > begin && (end[-1] == '\r' || end[-1] == ' ' || end[-1] == '\t'))
    --end;
  line->begin = begin;
  line->end = end;
  line->number = ++reader->number;
  return true;
}

// Reads count hexadecimal digits at p (within the line); -1 if they are not.
long ReadHex(const Line& line, const char* p, unsigned count) {
  if (line.end - p < static_cast<long>(count))
    return -1;
  long value = 0;
  for (unsigned i = 0; i < count; ++i) {
    int digit = HexDigitValue(p[i]);
    if (digit < 0)
      return -1;
    value = value * 16 + digit;
  }
  return value;
}

unsigned HexRun(const Line& line, const char* p) {
  unsigned n = 0;
  while (p + n < line.end && HexDigitValue(p[n]) >= 0)
    ++n;
  return n;
}

bool LineIs(const Line& line, const char* text) {
  const char* p = line.begin;
  while (p < line.end && (*p == ' ' || *p == '\t'))
    ++p;
  size_t length = std::strlen(text);
  return static_cast<size_t>(line.end - p) == length && std::memcmp(p, text, length) == 0;
}

void Fail(DumpError* error, unsigned line, const char* format, ...) {
  error->line = line;
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(error->message, sizeof error->message, format, arguments);
  va_end(arguments);
}

// lspci's line that opens a device's block: [domain:]bus:device.function and
// a blank.  Sets whether it is the host bridge's slot, 0000:00:00.0.
bool IsDeviceHeader(const Line& line, bool* host) {
  const char* p = line.begin;
  unsigned digits = HexRun(line, p);
  long domain = 0;
  if (digits >= 4 && digits <= 8 && p + digits < line.end && p[digits] == ':') {
    domain = ReadHex(line, p, digits);
    p += digits + 1;
  }
  long bus = ReadHex(line, p, 2);
  if (bus < 0 || line.end - p < 7 || p[2] != ':')
    return false;
  long device = ReadHex(line, p + 3, 2);
  if (device < 0 || p[5] != '.' || p[6] < '0' || p[6] > '7')
    return false;
  if (p + 7 < line.end && p[7] != ' ')
    return false;
  *host = domain == 0 && bus == 0 && device == 0 && p[6] == '0';
  return true;
}

// lspci's dump row starts with its offset, two or three hexadecimal digits,
// a colon and a blank (or nothing, for a row cut short).
bool StartsLikeLspciRow(const Line& line) {
  unsigned digits = HexRun(line, line.begin);
  const char* colon = line.begin + digits;
  return (digits == 2 || digits == 3) && colon < line.end && *colon == ':' &&
         (colon + 1 == line.end || colon[1] == ' ');
}

// korvalt's dump row starts with its two-digit label and two blanks before
// the first byte.
bool StartsLikeKorvaltRow(const Line& line, unsigned label) {
  return ReadHex(line, line.begin, 2) == static_cast<long>(label) && line.end - line.begin >= 5 &&
         line.begin[2] == ' ' && line.begin[3] == ' ' && HexDigitValue(line.begin[4]) >= 0;
}

// Sixteen bytes, each after its separator: a blank, or for korvalt's row a
// colon before byte 8.  Nothing may follow them.
bool ReadRowBytes(const Line& line, const char* p, bool colon_at_eight, uint8_t* bytes) {
  for (unsigned i = 0; i < ROW_BYTES; ++i) {
    char separator = colon_at_eight && i == 8 ? ':' : ' ';
    if (p >= line.end || *p != separator)
      return false;
    long value = ReadHex(line, p + 1, 2);
    if (value < 0)
      return false;
    bytes[i] = static_cast<uint8_t>(value);
    p += 3;
  }
  return p == line.end;
}

// The rows of lspci's block from the reader's position: lines before the
// first row (lspci -v's properties) are passed over, the rows must follow
// each other from offset 00, and the first line after them ends the block.
// Rows past the first 256 bytes (lspci -xxxx) are not needed.
int ReadLspciRows(LineReader* reader, unsigned block_line, ConfigDump* dump, DumpError* error) {
  Line line;
  while (ReadLine(reader, &line)) {
    bool host;
    if (IsDeviceHeader(line, &host))
      break;
    if (!StartsLikeLspciRow(line)) {
      if (dump->count > 0)
        break;
      continue;
    }
    if (dump->count == DUMP_BYTES)
      break;
    unsigned digits = HexRun(line, line.begin);
    long offset = ReadHex(line, line.begin, digits);
    if (offset != static_cast<long>(dump->count)) {
      Fail(error, line.number, "expected the row of offset %02x, found offset %0*lx", dump->count,
           static_cast<int>(digits), offset);
      return 0;
    }
    if (!ReadRowBytes(line, line.begin + digits + 1, false, dump->bytes + dump->count)) {
      Fail(error, line.number,
           "a row needs 16 hexadecimal bytes after its offset, one blank before each");
      return 0;
    }
    dump->count += ROW_BYTES;
  }
  if (dump->count == 0) {
    Fail(error, block_line,
         "this device's block has no configuration bytes (save them with lspci -xxx)");
    return 0;
  }
  return 1;
}

// korvalt's sixteen rows, labelled 00 to F0; a dump cut short after a whole
// row is kept as far as it goes.
int ReadKorvaltRows(LineReader* reader, const Line* first, ConfigDump* dump, DumpError* error) {
  Line line;
  bool have = first != nullptr;
  if (have)
    line = *first;
  else if (!ReadLine(reader, &line) || !StartsLikeKorvaltRow(line, 0)) {
    Fail(error, reader->number, "expected dump row 00 after the column header");
    return 0;
  }
  while (true) {
    if (!ReadRowBytes(line, line.begin + 3, true, dump->bytes + dump->count)) {
      Fail(error, line.number,
           "a dump row needs 16 hexadecimal bytes, a colon between the eighth and the ninth");
      return 0;
    }
    dump->count += ROW_BYTES;
    if (dump->count == DUMP_BYTES || !ReadLine(reader, &line) ||
        !StartsLikeKorvaltRow(line, dump->count)) {
      return 1;
    }
  }
}

}  // namespace

int ParseConfigDump(const char* text, size_t length, ConfigDump* dump, DumpError* error) {
  std::memset(dump->bytes, 0xFF, sizeof dump->bytes);
  dump->count = 0;
  error->line = 0;
  error->message[0] = '\0';

  // The first line that is part of a dump decides its form.  With lspci's
  // device blocks, the host bridge's block is wanted, else the first.
  LineReader reader = {text, text + length, 0};
  LineReader first_block = {nullptr, nullptr, 0};
  unsigned first_block_line = 0;
  Line line;
  while (ReadLine(&reader, &line)) {
    bool host = false;
    if (IsDeviceHeader(line, &host)) {
      if (host)
        return ReadLspciRows(&reader, line.number, dump, error);
      if (first_block.next == nullptr) {
        first_block = reader;
        first_block_line = line.number;
      }
      continue;
    }
    if (first_block.next != nullptr)
      continue;
    if (StartsLikeLspciRow(line)) {
      LineReader rows = {line.begin, text + length, line.number - 1};
      return ReadLspciRows(&rows, line.number, dump, error);
    }
    if (LineIs(line, COLUMN_HEADER))
      return ReadKorvaltRows(&reader, nullptr, dump, error);
    if (StartsLikeKorvaltRow(line, 0))
      return ReadKorvaltRows(&reader, &line, dump, error);
  }
  if (first_block.next != nullptr)
    return ReadLspciRows(&first_block, first_block_line, dump, error);
  Fail(error, 0, "no configuration dump found (expected lspci -xxx output or korvalt's dump rows)");
  return 0;
}
