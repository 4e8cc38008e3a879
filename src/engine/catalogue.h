// Catalogue files ("Dane/kolektor.xml", ...) and their in-memory tables. A catalogue file is a
// root element with one record element per row and one field element per column; fields are
// read by position only, their "name" attributes are kept for records that are appended.
// Column 0 is the numeric id, the last column the origin flag ("0" user, "1" vendor).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "xml/xmldoc.h"

using CatalogueRows = std::vector<std::vector<std::string>>;

// A catalogue that cannot serve the operation asked of it (no record to take names or ids from).
class CatalogueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One catalogue file in memory: RowCount rows of ColumnCount texts, in file order.
struct CCatalogueTable {
  explicit CCatalogueTable(int32_t columnCount = 0) : ColumnCount(columnCount) {}
  CatalogueRows Rows;
  int32_t RowCount = 0;
  int32_t ColumnCount = 0;  // fixed per catalogue, never taken from the file
};

// The eight catalogue operations. Every call reads the file afresh and leaves the document named
// after the file last read, which ReadCatalogueColumnNames and LargestCatalogueId use. The
// reading operations stream the file in one pass and leave the document holding no tree; the
// appends load the whole document, which they save.
// Failures throw xml::Error (unreadable file, missing field or record), NumberConversionError
// (an id or flag that is no integer) or CatalogueError (a file without records).

// Fills rows[i][j] for i < rowCount with the texts of record i; j runs over the fields of the
// first record but never beyond a row's size (extra fields are dropped).
void LoadCatalogue(xml::Document& document, CatalogueRows& rows, int32_t rowCount,
                   const std::string& fileName);
int32_t CountCatalogueRows(xml::Document& document, const std::string& fileName);
// Rows whose flag column converts to the integer 0 (user rows).
int32_t CountUserRows(const CatalogueRows& rows, int32_t rowCount, int32_t flagColumn);
void CopyUserRows(const CatalogueRows& source, CatalogueRows& destination, int32_t capacity,
                  int32_t rowCount, int32_t columnCount, int32_t flagColumn);
// Appends rows as new records numbered on from max(records in the file, largest id) + 1, writes
// the new ids into column 0 of the rows, and saves the file (indentation "   ").
void AppendCatalogueRows(xml::Document& document, const std::string& fileName, CatalogueRows& rows,
                         int32_t rowCount);
// Appends one record of columnCount values (the caller set the id and the flag); the names come
// from the first record's first columnCount fields (indentation "  ").
void AppendCatalogueRow(xml::Document& document, const std::string& fileName,
                        const std::vector<std::string>& values, int32_t columnCount);
void ReadCatalogueColumnNames(xml::Document& document, std::vector<std::string>& names);
int32_t LargestCatalogueId(xml::Document& document);

// (Re)loads a table from its file in one pass: read into a new table first, swapped in only on
// success, so a failed reload leaves the table as it was. With columnNames, the same pass also
// gives the first record's field names (empty without records), as ReadCatalogueColumnNames
// would right after the load: its CatalogueError comes after the table is in.
void LoadCatalogueTable(xml::Document& document, CCatalogueTable& table,
                        const std::string& fileName,
                        std::vector<std::string>* columnNames = nullptr);

// The records a catalogue editor lists, read in one pass without keeping the document: the text
// of the listed column of each record, its id (field 0) and whether its origin flag reads as the
// integer 1 (a vendor's record; a missing or unreadable flag counts as the user's), in file order.
struct CatalogueListing {
  std::vector<std::string> texts;
  std::vector<std::string> ids;
  std::vector<bool> vendor;
  // The error of the first record without the listed column, where the listing ends; the records
  // before it stay listed.
  std::optional<std::string> error;
};
CatalogueListing ReadCatalogueListing(const std::string& fileName, int32_t listColumn,
                                      int32_t flagColumn);

// The field texts of record `index` of the file (all its fields), or nothing when the file has
// no such record; read in one pass without keeping the document.
std::optional<std::vector<std::string>> ReadCatalogueRecord(const std::string& fileName,
                                                            int32_t index);

// The eleven catalogues the main window holds for the whole run, with the column-name lists of
// the seven device catalogues and the two derived structures.
struct CCatalogues {
  CCatalogues();

  CCatalogueTable CityCatalogue{40};
  CCatalogueTable TankCatalogue{16};
  CCatalogueTable CollectorCatalogue{17};
  CCatalogueTable ControllerCatalogue{15};
  CCatalogueTable VesselCatalogue{11};
  CCatalogueTable PumpCatalogue{12};
  CCatalogueTable InsulationCatalogue{9};
  CCatalogueTable ThicknessCatalogue{6};
  CCatalogueTable FuelCatalogue{14};
  CCatalogueTable StructureCatalogue{13};
  CCatalogueTable ProducerCatalogue{5};

  std::vector<std::string> CollectorColumnNames;
  std::vector<std::string> TankColumnNames;
  std::vector<std::string> ControllerColumnNames;
  std::vector<std::string> PumpColumnNames;
  std::vector<std::string> VesselColumnNames;
  std::vector<std::string> InsulationColumnNames;
  std::vector<std::string> StructureColumnNames;

  int32_t DeviceCount = 0;                              // records of the seven device catalogues
  std::vector<std::vector<std::string>> ProducerLists;  // the five texts of each producer record

  // One entry per catalogue, in loading order: the table, its file (relative to the working
  // folder) and its column-name list (null for the four catalogues without one).
  struct Entry {
    const char* fileName;
    CCatalogueTable CCatalogues::*table;
    std::vector<std::string> CCatalogues::*columnNames;
  };
  static const std::array<Entry, 11> Files;

  void ComputeDeviceCount();
  void BuildProducerLists();
};
