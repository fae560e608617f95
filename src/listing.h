// The unit listing on disk: whether it is there, opening it without losing
// an earlier one, cutting a failed row back, and removing a listing that
// this run made and that holds no row, however the run ends.
#ifndef SLOTWRIGHT_LISTING_H_
#define SLOTWRIGHT_LISTING_H_

#include <cstdint>
#include <cstdio>
#include <filesystem>

// Creates |path| for writing where nothing stands there (|existed| says
// whether something did), as text or, with |binary|, as bytes: on Windows
// text turns a line feed into a carriage return and a line feed.  Every file
// the user makes gets the same permissions: all may read and write it, less
// what the user's umask takes away.  |created| says whether the file was
// made, also where its stream then couldn't be: it is the caller's to remove.
std::FILE* CreateNewFile(const std::filesystem::path& path, bool& existed, bool& created,
                         bool binary);

// Whether the listing is one of the input files under another name (a link,
// say), which writing it would destroy.  Reports the first such input.
bool ListingIsAnInput();

// Whether the listing could be opened for writing, tested without changing
// an earlier one and without leaving one where there was none.  Where that
// can't be told, because the file system can't say whether there is a
// listing, the answer is no.  |cause| says why not (see cause.h).
bool CanWriteListing(int& cause);

// Opens the listing for the first row: empties an earlier one, or creates
// one, at the end of a link where the listing is one.  Nothing where it
// can't be opened, or where the file system can't say whether there is one:
// then nothing has changed.  A listing made here counts as unfinished until
// FinishListing.  |cause| says why where it can't.
std::FILE* OpenListing(int& cause);

// The listing made by OpenListing now holds a whole row, and stays.
void FinishListing();

// After a row failed: brings |listing| back to its |listed| bytes of whole
// rows, by the open file or else by its name, and closes it; an unfinished
// listing is removed instead, or else emptied.  Returns false where nothing
// worked, so that the listing ends with part of a row.
bool AbandonListing(std::FILE* listing, std::uintmax_t listed);

// Removes a listing that this run made and that holds no row, if there is
// one, by its path and else by its name; says so where it can't.  It
// allocates nothing, so that the new-handler may call it.
void RemoveUnfinishedListing();

#endif  // SLOTWRIGHT_LISTING_H_
