#pragma once
// The data set checker: reads every file of a data set (or scenario) folder and reports each
// problem as "file:line: message". It never changes anything.
#include <filesystem>
#include <string>
#include <vector>

namespace rv {

struct DataSetSummary {
  std::size_t promotions = 0, workers = 0, free_agents = 0, stipulations = 0, venues = 0, library_records = 0;
};

struct DataSetCheck {
  std::vector<std::string> problems;
  DataSetSummary summary;
};

DataSetCheck check_data_set(const std::filesystem::path& folder);

// "10 promotions, 480 workers (70 free agents), 32 stipulations, 64 venues, 290 library records".
std::string summary_line(const DataSetSummary& summary);

}  // namespace rv
