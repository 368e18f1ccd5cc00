// The trees the bench reads, made in a temporary folder of their own and removed with it. The
// Windows bench reads the same folder through Wine's drive for the root of the file system.
#pragma once

#include <string>
#include <vector>

namespace tavelin::bench {

struct BenchTree {
  std::string name;  // "A", "B", "C"
  std::string root;  // its folder, without trailing slash
  // The same folders with 5 files each: the same drawing, window and list heights, so that what
  // a pass on `root` holds beyond a pass on `twin` is what its files cost.
  std::string twin;
  std::string description;  // for the table
};

// The trees as they lie in `top`, with `separator` between the names of a path; the empty
// folder the programs start in is `top` joined to kEmptyFolder.
inline constexpr const char* kEmptyFolder = "buida";
inline std::vector<BenchTree> TreesIn(const std::string& top, char separator) {
  const std::string at = top + separator;
  return {{"A", at + "A", at + "A5", "50 folders, 4 levels, 2,000 files each"},
          {"B", at + "B", at + "B5", "1 folder, 200,000 files"},
          {"C", at + "C", "", "5,000 folders of 3 files, 2 levels"}};
}

// Makes and removes the trees; POSIX only.
class TreeSet {
 public:
  // Makes A (50 folders four levels deep, 2,000 files each), B (one folder of 200,000 files)
  // and C (5,000 folders of 3 files each), the twins of A and B, and an empty folder to start
  // programs in.
  TreeSet();
  ~TreeSet();
  TreeSet(const TreeSet&) = delete;
  TreeSet& operator=(const TreeSet&) = delete;

  const std::string& Top() const { return top_; }
  const std::vector<BenchTree>& Trees() const { return trees_; }
  const std::string& EmptyFolder() const { return empty_; }

 private:
  std::string top_;
  std::string empty_;
  std::vector<BenchTree> trees_;
};

}  // namespace tavelin::bench
