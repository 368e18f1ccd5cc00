// The trees the bench reads, made in a temporary folder of their own and removed with it.
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

class TreeSet {
 public:
  // Makes A (50 folders four levels deep, 2,000 files each), B (one folder of 200,000 files)
  // and C (5,000 folders of 3 files each), the twins of A and B, and an empty folder to start
  // programs in.
  TreeSet();
  ~TreeSet();
  TreeSet(const TreeSet&) = delete;
  TreeSet& operator=(const TreeSet&) = delete;

  const std::vector<BenchTree>& Trees() const { return trees_; }
  const std::string& EmptyFolder() const { return empty_; }

 private:
  std::string top_;
  std::string empty_;
  std::vector<BenchTree> trees_;
};

}  // namespace tavelin::bench
