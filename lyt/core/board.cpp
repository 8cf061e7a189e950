// board model: being written
