// The site's storage for the program's files: IndexedDB, whose transactions
// every tab of the site sees in one order, and a Web Lock per file that every
// tab takes around a read-change-rewrite of it, so that two tabs are two
// programs in one folder.  Storage that the browser refuses (turned off,
// full) makes a read give null and a write 'refused', which the program
// announces as "Highscore list gone?".
const databaseName = 'velmorandine';
const storeName = 'files';
const lockPrefix = 'velmorandine:';

function settle(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// Throws (as a rejection) where the browser has no IndexedDB for the site.
async function openDatabase() {
  const opening = indexedDB.open(databaseName, 1);
  opening.onupgradeneeded = () => opening.result.createObjectStore(storeName);
  return settle(opening);
}

export function openStorage() {
  let database = null; // a promise; null when it is to be opened (again)
  const releases = new Map();

  function connect() {
    const opened = openDatabase().then((db) => {
      db.onversionchange = () => { db.close(); database = null; };
      return db;
    });
    opened.catch(() => { if (database === opened) database = null; }); // tried again at the next use
    database = opened;
    return opened;
  }
  // At once, so that the database opens while the program compiles instead
  // of after it, when the first score is read.  The same for the lock
  // manager: the page's first request to it takes tens of milliseconds.
  connect();
  navigator.locks?.query().catch(() => {});

  async function store(mode) {
    const db = await (database ?? connect());
    return db.transaction(storeName, mode, { durability: 'strict' });
  }

  return {
    async read(name) {
      try {
        const text = await settle((await store('readonly')).objectStore(storeName).get(name));
        return typeof text === 'string' ? text : null;
      } catch {
        return null;
      }
    },
    // 'done', 'exists' (a write that may not replace found the name
    // taken: IndexedDB's add() decides that in one step for every tab) or
    // 'refused'.
    async write(name, text, replace) {
      let exists = false;
      try {
        const transaction = await store('readwrite');
        const request = replace
          ? transaction.objectStore(storeName).put(text, name)
          : transaction.objectStore(storeName).add(text, name);
        request.onerror = (event) => {
          if (request.error && request.error.name === 'ConstraintError') {
            exists = true;
            event.preventDefault(); // the transaction is aborted regardless of this
          }
        };
        await new Promise((resolve, reject) => {
          transaction.oncomplete = resolve;
          transaction.onerror = transaction.onabort = () => reject(transaction.error);
        });
        return 'done';
      } catch {
        return exists ? 'exists' : 'refused';
      }
    },
    // Takes the Web Lock for `name` only if no tab holds it: the program
    // naps and tries again, within its own deadline.
    tryLock(name) {
      if (!navigator.locks) return Promise.resolve(true); // one tab at most where there are no locks
      return new Promise((resolve) => {
        navigator.locks
          .request(`${lockPrefix}${name}`, { ifAvailable: true }, (lock) => {
            if (!lock) {
              resolve(false);
              return undefined;
            }
            resolve(true);
            return new Promise((done) => { releases.set(name, done); });
          })
          .catch(() => resolve(false));
      });
    },
    unlock(name) {
      const done = releases.get(name);
      releases.delete(name);
      if (done) done();
    },
  };
}

// Asks the browser to keep the site's storage under pressure too; where it
// will not, the scores still stay until the player clears the site's data.
export async function askToPersist() {
  try {
    return navigator.storage && navigator.storage.persist ? await navigator.storage.persist() : false;
  } catch {
    return false;
  }
}
