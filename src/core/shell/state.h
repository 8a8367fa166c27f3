#pragma once
// The application state: every setting and the current puzzle of every kind,
// kept between runs in one 27592-byte record (ZorvekNumberPuzzles.dat).
// AppState is that record; the file is its byte image.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/random.h"
#include "core/futoshiki/record.h"
#include "core/kakuro/record.h"
#include "core/hexkakuro/record.h"
#include "core/sudoku/record.h"

namespace zorvek {

struct GeneralSettings {
  std::uint8_t magicLength;  // 4
  char magic[4];             // "QVZ1"
  std::uint8_t padding0[3];
  std::int32_t mainHeight;
  std::int32_t mainWidth;
  std::int32_t mainTop;
  std::int32_t mainLeft;
  std::uint8_t printPartialAnswers;  // print dialog, 1 = on
  std::uint8_t printSolutions;       // print and batch dialogs, 1 = on
  std::uint8_t kakuroInputMode;      // 1 = keyboard ("Type"), 0 = mouse
  std::uint8_t padding1;
  std::int32_t kakuroSaveCounter;
  std::int32_t kakuroBatchSize;        // 0 or 1
  std::int32_t kakuroBatchDifficulty;  // kept as found, even on reset
  std::int32_t kakuroBatchPages;       // 0..4
  std::uint8_t sudokuReserved;
  std::uint8_t sudokuInputMode;
  std::uint8_t padding2[2];
  std::int32_t sudokuSaveCounter;
  std::int32_t sudokuBatchSize;  // Sudoku has one size; never read
  std::int32_t sudokuBatchDifficulty;
  std::int32_t sudokuBatchPages;
  std::uint8_t futoshikiReserved;
  std::uint8_t futoshikiInputMode;
  std::uint8_t padding3[2];
  std::int32_t futoshikiSaveCounter;
  std::int32_t futoshikiBatchSize;
  std::int32_t futoshikiBatchDifficulty;
  std::int32_t futoshikiBatchPages;
  std::uint8_t hexKakuroReserved;
  std::uint8_t hexKakuroInputMode;
  std::uint8_t padding4[2];
  std::int32_t hexKakuroSaveCounter;
  std::int32_t hexKakuroBatchSize;
  std::int32_t hexKakuroBatchDifficulty;
  std::int32_t hexKakuroBatchPages;
  std::uint8_t reserved;
  std::uint8_t reservedBytes[109];
  std::uint8_t sudokuTemplateUsed[5000];  // template i at [i - 1]
  std::uint8_t futMedium9Used[1000];
  std::uint8_t futHard9Used[1000];
  std::uint8_t futHard7Used[1000];
  std::uint8_t padding5[2];
};
static_assert(sizeof(GeneralSettings) == 8216);
static_assert(offsetof(GeneralSettings, mainHeight) == 8);
static_assert(offsetof(GeneralSettings, mainLeft) == 20);
static_assert(offsetof(GeneralSettings, printPartialAnswers) == 24);
static_assert(offsetof(GeneralSettings, kakuroInputMode) == 26);
static_assert(offsetof(GeneralSettings, kakuroSaveCounter) == 28);
static_assert(offsetof(GeneralSettings, kakuroBatchPages) == 40);
static_assert(offsetof(GeneralSettings, sudokuReserved) == 44);
static_assert(offsetof(GeneralSettings, sudokuSaveCounter) == 48);
static_assert(offsetof(GeneralSettings, sudokuBatchPages) == 60);
static_assert(offsetof(GeneralSettings, futoshikiReserved) == 64);
static_assert(offsetof(GeneralSettings, futoshikiSaveCounter) == 68);
static_assert(offsetof(GeneralSettings, futoshikiBatchPages) == 80);
static_assert(offsetof(GeneralSettings, hexKakuroReserved) == 84);
static_assert(offsetof(GeneralSettings, hexKakuroSaveCounter) == 88);
static_assert(offsetof(GeneralSettings, hexKakuroBatchPages) == 100);
static_assert(offsetof(GeneralSettings, reserved) == 104);
static_assert(offsetof(GeneralSettings, sudokuTemplateUsed) == 214);
static_assert(offsetof(GeneralSettings, futMedium9Used) == 5214);
static_assert(offsetof(GeneralSettings, futHard9Used) == 6214);
static_assert(offsetof(GeneralSettings, futHard7Used) == 7214);

struct AppState {
  GeneralSettings general;
  kakuro::KakHeader kakuroSettings;
  kakuro::KakGrid kakuroPuzzle;
  sudoku::SudSettings sudokuSettings;
  sudoku::SudPuzzle sudokuPuzzle;
  futoshiki::FutHeader futoshikiSettings;
  futoshiki::FutGrid futoshikiPuzzle;
  hexkakuro::HexHeader hexKakuroSettings;
  hexkakuro::HexGrid hexKakuroPuzzle;
};
static_assert(sizeof(AppState) == 27592);
static_assert(offsetof(AppState, kakuroSettings) == 8216);
static_assert(offsetof(AppState, kakuroPuzzle) == 8248);
static_assert(offsetof(AppState, sudokuSettings) == 14296);
static_assert(offsetof(AppState, sudokuPuzzle) == 14308);
static_assert(offsetof(AppState, futoshikiSettings) == 16900);
static_assert(offsetof(AppState, futoshikiPuzzle) == 16916);
static_assert(offsetof(AppState, hexKakuroSettings) == 19508);
static_assert(offsetof(AppState, hexKakuroPuzzle) == 19528);

constexpr std::size_t kStateRecordSize = sizeof(AppState);
constexpr const char* kStateFileName = "ZorvekNumberPuzzles.dat";

struct ScreenSize {
  int width = 800;
  int height = 600;
};

// Everything a reset or a bank draw needs besides the state itself.
struct StateContext {
  Random* random = nullptr;
  ScreenSize screen;
};

// Writes the defaults of the general settings block (batch difficulties keep
// their value), clears every used-flag table, then gives each kind its default
// settings and a fresh start-up puzzle: Kakuro, Sudoku, Futoshiki, HexKakuro.
void ResetState(AppState& state, const StateContext& context);

// The checks a loaded record must pass; anything else means defaults.
bool StateIsValid(const AppState& state);

// Reads the state file at `path`. A missing or foreign file (its general
// settings short or without the magic) gives the defaults (ResetState).
// Otherwise every kind whose blocks were read whole and pass their checks
// keeps its puzzle, and only the others get their start-up puzzle. Returns
// true when the file was used.
bool LoadState(AppState& state, const std::string& path, const StateContext& context);

// Writes the record atomically; false when it could not be written.
bool SaveState(const AppState& state, const std::string& path);

// Gives a kind whose block holds no puzzle yet its start-up puzzle.
void FillMissingPuzzles(AppState& state, const StateContext& context);

}  // namespace zorvek
