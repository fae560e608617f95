// The uploads: the listing's rows in files of at most 1,000, the most that
// the ad server takes in one bulk upload, less the units whose codes the
// network holds already.  ad_units_001.csv, ad_units_002.csv and so on
// belong to the listing they were made from: a run removes them before it
// empties the listing, and writes its own once the listing is complete.
#ifndef SLOTWRIGHT_UPLOADS_H_
#define SLOTWRIGHT_UPLOADS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

constexpr std::size_t maxUnitsInOneUpload = 1000;

// Whether |name| is that of an upload: ad_units_, three digits or more,
// .csv.
bool IsUploadName(std::string_view name);

// The name of upload |number|, counted from 1, written into |name|.
void UploadName(std::uintmax_t number, char (&name)[32]);

// Removes every upload in the current folder, and the findings file, before
// the listing they were made from is emptied.  False where one can't be
// removed, which it has reported; those before it are gone.
bool RemoveEarlierUploads();

// Writes the uploads from the listing as it stands: its rows byte for byte,
// less those whose unit |leftOut| marks (none where it is empty), at most
// 1,000 a file.  |files| is how many were written: none where the listing is
// no regular file, a device or a pipe, which can't be read back.  False
// where one couldn't be written, which it has reported; the uploads of this
// run are then gone, or it says which to delete.  Until FinishUploads, they
// count as unfinished.
bool WriteUploads(const std::vector<bool>& leftOut, std::uintmax_t& files);

// The uploads written stay, however the run ends from now on.
void FinishUploads();

// Removes the uploads that this run is writing or hasn't finished, if any;
// says which it can't.  It allocates nothing, so that the new-handler may
// call it.
void RemoveUnfinishedUploads();

// Removes |name|, a file that this run wrote beside the listing, or says
// that it is to be deleted.  It allocates nothing either.
void RemoveOrSay(const char* name);

#endif  // SLOTWRIGHT_UPLOADS_H_
