// The saves directory, for the page: mounted on the browser's storage
// (IndexedDB), brought in step with it, and its files listed, read and
// written for export and import. Built into the game's glue, so the page
// reaches it under these quoted names however the glue is minified.
Module['saves'] = {
  'mount': function (path) {
    FS.mkdir(path);
    FS.mount(IDBFS, {}, path);
  },
  // fromstorage: true to read the storage into the directory, false to
  // store the directory; done(error) when finished.
  'sync': function (fromstorage, done) {
    FS.syncfs(fromstorage, done);
  },
  'list': function (path) {
    return FS.readdir(path).filter(function (name) { return name !== '.' && name !== '..'; });
  },
  'read': function (path) {
    return FS.readFile(path);
  },
  'write': function (path, bytes) {
    FS.writeFile(path, bytes);
  },
};
