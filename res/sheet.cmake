add_dependencies(dvrres imgsheet)
